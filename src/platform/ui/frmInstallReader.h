// The window that offers to install a PDF reader when none is registered.
#pragma once

#include <QDialog>

class QPushButton;

class frmInstallReader final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmInstallReader)

public:
    explicit frmInstallReader(QWidget* parent = nullptr);

    // Creates the window, shows it modally and lets it unload.
    static void showModal(QWidget* parent);

public slots:
    // Starts the reader installer without waiting for it and closes the window; a missing or
    // unstartable installer is reported.
    void OKButton_Click();
    void CancelButton_Click();

private:
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
