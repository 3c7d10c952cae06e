#pragma once

#include <QWidget>

class QLabel;

namespace varnox {

// Page 0 "Willkommen": the program's name, what it is for and its version.
class WelcomePage : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePage(QWidget* parent = nullptr);

private:
    void loadCaptions();

    QLabel* m_name;
    QLabel* m_purpose;
    QLabel* m_version;
    QLabel* m_hint;
};

}  // namespace varnox
