#pragma once

#include "core/reports/KeyReaders.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace varnox {

struct AppServices;

// "Schlüsselzuordnung": the readers a chosen key opens, with the handover
// protocol of the key in a print preview and the list as an export to the
// clipboard.
class FrmKeyList : public QDialog {
    Q_OBJECT
public:
    explicit FrmKeyList(AppServices& services, QWidget* parent = nullptr);

    void showHandover();
    void exportToClipboard();

private:
    void build();
    void loadCaptions();
    void fillKeys();
    void keyChosen(int index);
    QString workCopy() const;
    bool hasKey() const;

    AppServices& m_services;
    QList<KeyChoice> m_keys;
    QList<QStringList> m_rows; // the readers of the chosen key, as listed

    QLabel* m_choose = nullptr;
    QComboBox* CmbKey = nullptr;
    QTreeWidget* ListViewKeyLes = nullptr;
    QLabel* m_countCaption = nullptr;
    QLabel* LblKeyCount = nullptr;
    QPushButton* CmdKeyPrint = nullptr;
    QPushButton* CmdExport = nullptr;
    QPushButton* CmdClose = nullptr;
};

} // namespace varnox
