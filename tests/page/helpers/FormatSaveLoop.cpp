// Saves and deletes barcode formats in a records folder without end, through the same code as the
// format panels, until it is killed. The crash-safety test kills it at random moments.
#include "page/FormatBrowser.h"
#include "page/FormatSaver.h"
#include "platform/LocalFileSystem.h"
#include "platform/MessageBoxes.h"

#include <QRandomGenerator>
#include <cstdio>

using namespace brevmark;

namespace {

class StderrMessages : public MessageBoxes {
public:
    MessageAnswer show(const QString& title, const QString& text, MessageIcon,
                       MessageButtons) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return MessageAnswer::Yes;
    }
};

QList<FormatRecord> format(const QString& category, const QString& name, int labels) {
    QList<FormatRecord> records;
    FormatRecord barcode;
    barcode[0] = category;
    barcode[1] = name;
    barcode[2] = FormatRecord::barcodeKind();
    barcode[3] = QStringLiteral("3600");
    barcode[5] = QStringLiteral("LOOP-") + name;
    records.append(barcode);
    for (int j = 0; j < labels; ++j) {
        FormatRecord label = barcode;
        label[2] = FormatRecord::labelKind();
        label[3] = QStringLiteral("標籤文字 %1").arg(j);
        records.append(label);
    }
    return records;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <records folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    LocalFileSystem files;
    StderrMessages messages;
    FormatSaver saver(files, folder);
    FormatBrowser browser(files, folder);
    QRandomGenerator random(QRandomGenerator::global()->generate());
    for (unsigned round = 0;; ++round) {
        const QString category = QStringLiteral("種類%1").arg(random.bounded(4));
        const QString name = QStringLiteral("格式%1").arg(random.bounded(40));
        if (round % 5 == 4) {
            if (browser.listCategories() && browser.chooseCategory(category) &&
                browser.preview(name))
                browser.deleteChosen();
        } else if (const std::optional<UserMessage> failed =
                       saver.store({category, name}, format(category, name, random.bounded(30)))) {
            messages.show(failed->title, failed->text, failed->icon, MessageButtons::Ok);
            return 1;
        }
        if (round == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}
