#include "core/shell/QueryExit.h"

#include "core/lang/Texts.h"
#include "core/shell/Operator.h"

namespace varnox {
namespace {

int count(const std::function<int()>& f) { return f ? f() : 0; }

// A project whose readers cannot be counted may well have some waiting.
bool readersWaiting(const ExitFacts& facts)
{
    if (!facts.readersToTransfer)
        return false;
    const std::optional<int> n = facts.readersToTransfer();
    return !n || *n >= 1;
}

Message plainQuestion()
{
    return {.text = GetText(481, "Möchten Sie das Programm wirklich beenden?"),
            .title = GetText(668, "Beenden"),
            .icon = MessageIcon::Question, .focus = {}, .selectAll = false};
}

Message incompleteTransferQuestion()
{
    return {.text = GetText(478, "Es sind nicht alle Leser auf dem aktuellen Stand der Projektdatei.")
                + QStringLiteral("\r\n") + GetText(479, "Möchten Sie das Programm trotzdem beenden?"),
            .title = GetText(480, "Datenübertragung nicht vollständig!"),
            .icon = MessageIcon::Question, .focus = {}, .selectAll = false};
}

}  // namespace

bool QueryExit(const ExitFacts& facts, Operator& op)
{
    const bool observing = facts.mode == Mode::Beobachtung;
    const bool pending = !observing && count(facts.pendingTransfers) > 0;
    const bool warn = pending || (!observing && readersWaiting(facts));
    return op.ask(warn ? incompleteTransferQuestion() : plainQuestion(), Buttons::YesNo) == Answer::Yes;
}

}  // namespace varnox
