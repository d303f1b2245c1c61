#include "alignment/ui/SheetFinder.h"

#include "alignment/SheetPaper.h"
#include "alignment/SheetTexts.h"
#include "alignment/TemplateDatabase.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brevmark {

namespace {

enum Column { NameColumn, SizeColumn, CountColumn, PaperColumn, DescriptionColumn };

QString paperText(const SheetPaper& paper) {
    return PaperTable::caption(paper.paper) +
           (paper.landscape ? QStringLiteral(" 橫印") : QString());
}

// At most this many problems are listed in the tooltip; the rest are counted.
constexpr int problemsShown = 20;

} // namespace

SheetFinder::SheetFinder(const TemplateDatabase& database, const QString& lastChoice,
                         QWidget* parent)
    : QWidget(parent), database_(database), search_(new QLineEdit(this)),
      list_(new QTreeWidget(this)), info_(new QLabel(this)),
      apply_(new QPushButton(QStringLiteral("畫出格式線"), this)),
      fill_(new QPushButton(SheetTexts::fillTitle(), this)) {
    setObjectName(QStringLiteral("標籤紙資料庫"));
    search_->setObjectName(QStringLiteral("標籤紙搜尋"));
    list_->setObjectName(QStringLiteral("標籤紙清單"));
    info_->setObjectName(QStringLiteral("標籤紙說明"));
    apply_->setObjectName(QStringLiteral("套用標籤紙"));
    fill_->setObjectName(QStringLiteral("填滿標籤紙"));

    auto* title = new QLabel(QStringLiteral("標籤紙資料庫"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    search_->setPlaceholderText(QStringLiteral("輸入廠牌、型號或說明，例如 Avery L7651"));
    search_->setClearButtonEnabled(true);
    list_->setHeaderLabels({QStringLiteral("廠牌 型號"), QStringLiteral("標籤尺寸"),
                            QStringLiteral("張數"), QStringLiteral("紙張"),
                            QStringLiteral("說明")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(NameColumn, 150);
    list_->setColumnWidth(SizeColumn, 108);
    list_->setColumnWidth(CountColumn, 40);
    list_->setColumnWidth(PaperColumn, 64);
    info_->setWordWrap(true);
    apply_->setToolTip(QStringLiteral("把這種標籤紙的格式線畫在紙張上，紙張換成它的大小"));
    fill_->setToolTip(
        QStringLiteral("畫出格式線，並在每張標籤上放一個正在編輯的條碼（或複製的格式）"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info_, 1);
    buttons->addWidget(apply_);
    buttons->addWidget(fill_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(title);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    for (const LabelTemplate& sheet : database_.sheets())
        usable_ += SheetPaper::of(sheet) ? 1 : 0;

    QString info;
    if (database_.foldersFound().isEmpty())
        info = SheetTexts::noDatabase(TemplateDatabase::userFolder());
    else
        info = QStringLiteral("%1 種標籤紙可用").arg(usable_);
    const QList<TemplateDatabase::Problem>& problems = database_.problems();
    if (!problems.isEmpty()) {
        info +=
            QStringLiteral("；略過 %1 項無法讀取的範本（游標移到這裡看原因）").arg(problems.size());
        QStringList lines;
        for (qsizetype i = 0; i < problems.size() && i < problemsShown; ++i)
            lines << problems[i].file + QStringLiteral("：") + problems[i].reason;
        if (problems.size() > problemsShown)
            lines << QStringLiteral("…還有 %1 項").arg(problems.size() - problemsShown);
        info_->setToolTip(lines.join(QLatin1Char('\n')));
    }
    info_->setText(info);

    connect(search_, &QLineEdit::textChanged, this, &SheetFinder::showMatching);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (!list_->currentItem() && list_->topLevelItemCount() == 1)
            list_->setCurrentItem(list_->topLevelItem(0));
        chooseSelected();
    });
    connect(list_, &QTreeWidget::itemActivated, this, [this] { chooseSelected(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        const bool any = !selectedName().isEmpty();
        apply_->setEnabled(any);
        fill_->setEnabled(any);
    });
    connect(apply_, &QPushButton::clicked, this, &SheetFinder::chooseSelected);
    connect(fill_, &QPushButton::clicked, this, [this] {
        if (const QString name = selectedName(); !name.isEmpty())
            emit fillRequested(name);
    });

    const LabelTemplate* last = database_.find(lastChoice);
    search_->setText(last ? last->name() : QString());
    showMatching(search_->text());
    for (int i = 0; last && i < list_->topLevelItemCount(); ++i)
        if (list_->topLevelItem(i)->data(NameColumn, Qt::UserRole).toString() == last->name())
            list_->setCurrentItem(list_->topLevelItem(i));
}

QString SheetFinder::selectedName() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(NameColumn, Qt::UserRole).toString() : QString();
}

void SheetFinder::showMatching(const QString& text) {
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const LabelTemplate* sheet : database_.matching(text)) {
        const std::optional<SheetPaper> paper = SheetPaper::of(*sheet);
        if (!paper)
            continue;
        auto* row = new QTreeWidgetItem({sheet->name(), sheet->sizeText(),
                                         QString::number(sheet->labelCount()), paperText(*paper),
                                         sheet->description});
        row->setData(NameColumn, Qt::UserRole, sheet->name());
        row->setTextAlignment(CountColumn, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    list_->addTopLevelItems(rows);
    apply_->setEnabled(false);
    fill_->setEnabled(false);
}

void SheetFinder::chooseSelected() {
    if (const QString name = selectedName(); !name.isEmpty())
        emit chosen(name);
}

} // namespace brevmark
