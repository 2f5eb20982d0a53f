#include "platform/ui/frmInstallReader.h"

#include "platform/AppFolder.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/ui/WindowPlacer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmInstallReader::frmInstallReader(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInstallReader"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Install Acrobat Reader?"));

    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(48, 48));
    auto* texts = new QVBoxLayout;
    for (const char* line : {"Unable to open PDF file, you may not have Acrobat Reader installed.",
                             "Installation of Acrobat Reader will greatly enhance the abilities of TOVA.",
                             "Do you wish to install Acrobat Reader now?"})
        texts->addWidget(new QLabel(QString::fromLatin1(line), this));

    OKButton = new QPushButton(QStringLiteral("Yes"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("No"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OKButton, &QPushButton::clicked, this, &frmInstallReader::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmInstallReader::CancelButton_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    tova::placeWindow(*this, QSize(), tova::SizeOf::Client);
}

void frmInstallReader::showModal(QWidget* parent) {
    auto* window = new frmInstallReader(parent);
    window->exec();
}

void frmInstallReader::OKButton_Click() {
    const QString installer = tova::appPath(QStringLiteral("misc/AcroReader51.exe"));
    const bool started = QFileInfo(installer).isFile() && QProcess::startDetached(installer, {});
    close();
    if (!started)
        tova::MsgBox(QStringLiteral("The PDF reader installer could not be started:\n%1\n\n"
                                    "Please install a PDF reader with your system's software tools.")
                         .arg(QDir::toNativeSeparators(installer)),
                     tova::MsgButtons::Ok, tova::MsgIcon::Exclamation);
}

void frmInstallReader::CancelButton_Click() {
    close();
}
