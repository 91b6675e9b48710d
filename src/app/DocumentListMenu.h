#pragma once

// The open documents in the Файл menu, after a separator: one item each ("&1 opis.docx", its path
// as the hint), the active one checked; choosing an item makes that document the active one.

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace tabulex::app {

class DocumentSession;

class DocumentListMenu : public QObject {
    Q_OBJECT
  public:
    DocumentListMenu(DocumentSession& documents, QMenu* menu, QAction* separator, QObject* parent);

    // Lists the documents as they are now.
    void Refresh();
    const QList<QAction*>& Items() const { return items_; }

  private:
    DocumentSession& documents_;
    QMenu* menu_;
    QAction* separator_;
    QList<QAction*> items_;
};

}  // namespace tabulex::app
