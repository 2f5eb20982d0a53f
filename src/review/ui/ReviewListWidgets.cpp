#include "review/ui/ReviewListWidgets.h"

#include "platform/ui/WindowPlacer.h"
#include "review/ui/ListIcons.h"
#include "store/ProjectDocument.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tova::review {

QTreeWidget* makeReviewList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("Phase"), QStringLiteral("Date")});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSortIndicatorShown(false);
    list->setColumnWidth(0, 260);
    return list;
}

void buildReviewDialog(QDialog* dialog, QLabel** label, QTreeWidget** list, QPushButton** okButton,
                       const QString& okCaption, QPushButton** cancelButton) {
    dialog->setModal(true);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(makeCaptionRow(dialog, label));
    *list = makeReviewList(dialog);
    layout->addWidget(*list, 1);
    *okButton = new QPushButton(okCaption, dialog);
    *cancelButton = new QPushButton(QStringLiteral("Cancel"), dialog);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(*okButton);
    buttons->addWidget(*cancelButton);
    layout->addLayout(buttons);
    tova::placeWindow(*dialog, QSize(480, 360), tova::SizeOf::Client);
}

QWidget* makeCaptionRow(QWidget* parent, QLabel** label) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(row);
    picture->setPixmap(reviewIcon().pixmap(32, 32));
    layout->addWidget(picture);
    *label = new QLabel(row);
    (*label)->setWordWrap(true);
    layout->addWidget(*label, 1);
    return row;
}

QString projectCaption(const QString& text) {
    return QStringLiteral("Project: ") + Globals::GetProjectName() + QStringLiteral(" - ") + text;
}

void addReviewRow(QTreeWidget* list, const QString& key, const QString& phase, const QString& date) {
    auto* item = new QTreeWidgetItem(list, {phase, date});
    item->setData(0, kReviewKeyRole, key);
}

QString selectedKey(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(0, kReviewKeyRole).toString();
}

} // namespace tova::review
