#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace brevmark {

class TemplateDatabase;

// The alignment window's finder of stock sheets `標籤紙資料庫`: typing part of a brand, part
// number or description into `標籤紙搜尋` lists, in `標籤紙清單`, every sheet of the template
// database whose paper the label page can take, with its label size, label count and paper.
// `套用標籤紙` (or a double click, or Enter) chooses the sheet; `填滿標籤紙` chooses it and fills
// it. `標籤紙說明` says how many sheets there are and which files were left out, and why.
class SheetFinder : public QWidget {
    Q_OBJECT
public:
    // `lastChoice` (the stored choice) is looked up and selected at once.
    SheetFinder(const TemplateDatabase& database, const QString& lastChoice, QWidget* parent);

    QLineEdit* searchBox() const { return search_; }
    QTreeWidget* list() const { return list_; }
    // The name ("BRAND PART") of the sheet selected in the list; empty when none.
    QString selectedName() const;

signals:
    void chosen(const QString& name);
    void fillRequested(const QString& name);

private:
    void showMatching(const QString& text);
    void chooseSelected();

    const TemplateDatabase& database_;
    QLineEdit* search_;
    QTreeWidget* list_;
    QLabel* info_;
    QPushButton* apply_;
    QPushButton* fill_;
    int usable_ = 0; // sheets whose paper the page can take
};

} // namespace brevmark
