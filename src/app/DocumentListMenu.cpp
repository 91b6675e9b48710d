#include "app/DocumentListMenu.h"

#include "app/DocumentSession.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace tabulex::app {
namespace {
constexpr int kNumberedItems = 9;  // &1 ... &9; later documents are listed without a key
}  // namespace

DocumentListMenu::DocumentListMenu(DocumentSession& documents, QMenu* menu, QAction* separator,
                                   QObject* parent)
    : QObject(parent), documents_(documents), menu_(menu), separator_(separator) {}

void DocumentListMenu::Refresh() {
    for (QAction* item : items_) {
        menu_->removeAction(item);
        item->deleteLater();  // it may be the item being chosen
    }
    items_.clear();
    // Inserted before the action that follows the separator, so that they come after it.
    const QList<QAction*> actions = menu_->actions();
    const qsizetype at = actions.indexOf(separator_);
    QAction* before = at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
    int index = 0;
    for (const OpenDocumentEntry& entry : documents_.Entries()) {
        const QString key = index < kNumberedItems ? QStringLiteral("&%1 ").arg(index + 1) : QString();
        auto* item =
            new QAction(key + entry.Name + (entry.Modified ? QStringLiteral(" *") : QString()), menu_);
        item->setObjectName(QStringLiteral("OpenDocument%1").arg(index + 1));
        item->setCheckable(true);
        item->setChecked(entry.Active);
        item->setToolTip(QDir::toNativeSeparators(entry.Path));
        item->setStatusTip(item->toolTip());
        menu_->insertAction(before, item);
        connect(item, &QAction::triggered, this, [this, index] { documents_.Activate(index); });
        items_ << item;
        ++index;
    }
}

}  // namespace tabulex::app
