#include "ui/startup/ProgramRun.h"

int main(int argc, char* argv[]) { return varnox::runProgram(argc, argv); }
