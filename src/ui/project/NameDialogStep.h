#pragma once

#include "core/project/ProjectCreator.h"

#include <QDialog>
#include <QLineEdit>

namespace varnox {

// What a name dialog does after the core handled its button.
inline void followStep(QDialog* dialog, QLineEdit* name, DialogStep step)
{
    switch (step) {
    case DialogStep::Done: dialog->done(QDialog::Accepted); break;
    case DialogStep::Close: dialog->done(QDialog::Rejected); break;
    case DialogStep::SelectName: name->selectAll(); [[fallthrough]];
    case DialogStep::Stay: name->setFocus(); break;
    }
}

}  // namespace varnox
