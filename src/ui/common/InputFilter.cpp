#include "ui/common/InputFilter.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace varnox {

void acceptOnly(QLineEdit* edit, const QString& characterClass)
{
    const QRegularExpression pattern(QLatin1Char('[') + characterClass + QStringLiteral("]*"));
    edit->setValidator(new QRegularExpressionValidator(pattern, edit));
}

}  // namespace varnox
