// The about window: the product's about picture, closed by a click on it or a key other than a
// modifier alone.
#pragma once

#include <QDialog>

class QLabel;

class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Creates the window, shows it modally and lets it unload.
    static void showModal(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* Picture1 = nullptr;
};
