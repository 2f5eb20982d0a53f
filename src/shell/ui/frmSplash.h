// The splash window shown while the main window prepares its first page.
#pragma once

#include <QWidget>

class frmSplash final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSplash)

public:
    explicit frmSplash(QWidget* parent = nullptr);
};
