// Where tag controls and new pictures go inside an item, and what the barcode text box takes.
#include "page/ui/BarcodeEntryBox.h"
#include "page/ui/BarcodeEntryValidator.h"
#include "page/TagPlacement.h"

#include <QLineEdit>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace brevmark {
namespace {

struct ButtonCase {
    const char* name;
    QRectF tag;
    double itemWidth;
    QPointF button;
};
void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << c.name;
}
class DeleteTagButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(DeleteTagButton, FollowsTheTagsEndAndKeepsOffTheDeleteButton) {
    EXPECT_EQ(TagPlacement::deleteTagButton(GetParam().tag, GetParam().itemWidth),
              GetParam().button);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, DeleteTagButton,
    ::testing::Values(
        ButtonCase{"AtTheEnd", QRectF(540, 240, 600, 240), 3600, QPointF(1140, 240)},
        // the delete button covers x 3420..3600, y 0..180
        ButtonCase{"EndUnderTheDeleteButton", QRectF(2700, 0, 720, 240), 3600, QPointF(3420, 195)},
        ButtonCase{"TouchingItsLeftEdge", QRectF(2000, 60, 1240, 240), 3600, QPointF(3240, 60)},
        ButtonCase{"OverlappingItByATwip", QRectF(2000, 60, 1241, 240), 3600, QPointF(3241, 195)},
        ButtonCase{"JustLeftOfIt", QRectF(2000, 60, 1239, 240), 3600, QPointF(3239, 60)},
        ButtonCase{"BelowIt", QRectF(2700, 180, 720, 240), 3600, QPointF(3420, 180)},
        ButtonCase{"WiderThanTheItem", QRectF(-300, 0, 4200, 240), 3600, QPointF(3900, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

struct FitCase {
    const char* name;
    QPointF at;
    QSizeF natural;
    QRectF placed;
};
void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}
class PictureFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, ScaledDownKeepingItsShapeAndInsideTheItem) {
    EXPECT_EQ(TagPlacement::fitPicture(GetParam().at, GetParam().natural, QSizeF(3600, 900)),
              GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureFit,
    ::testing::Values(
        FitCase{"SmallStaysAsItIs", {540, 240}, {900, 450}, {540, 240, 900, 450}},
        FitCase{"TallerThanTheItem", {540, 240}, {4500, 2250}, {540, 0, 1800, 900}},
        FitCase{"WiderThanTheItem", {0, 0}, {7200, 900}, {0, 0, 3600, 450}},
        FitCase{"ExactlyTheItem", {0, 0}, {3600, 900}, {0, 0, 3600, 900}},
        FitCase{"SmallNearTheEdgeMovesIn", {3300, 600}, {600, 450}, {3000, 450, 600, 450}},
        // 1000 x 3000 scaled by 0.3 is 300 x 900; the scale keeps the shape to the twip
        FitCase{"RoundedToWholeTwips", {100, 100}, {1001, 3000}, {100, 0, 300, 900}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BarcodeEntryValidator, TypingAndPastingStopAtTwentyButALongerTextStaysWhole) {
    QLineEdit box;
    auto* validator = new BarcodeEntryValidator(&box);
    box.setValidator(validator);
    int at = 0;
    QString typed = QStringLiteral("12345678901234567890");
    EXPECT_EQ(box.validator()->validate(typed, at), QValidator::Acceptable);
    QString tooLong = typed + QStringLiteral("1");
    EXPECT_EQ(box.validator()->validate(tooLong, at), QValidator::Invalid);
    QString star = QStringLiteral("AB*");
    EXPECT_EQ(box.validator()->validate(star, at), QValidator::Invalid);
    QString lower = QStringLiteral("ab-12 ./+");
    EXPECT_EQ(box.validator()->validate(lower, at), QValidator::Acceptable);

    // a 25-character text from a record: the box holds it whole and only lets it shrink
    validator->admit(QStringLiteral("ABCDEFGHIJ0123456789KLMNO"));
    box.setText(QStringLiteral("ABCDEFGHIJ0123456789KLMNO"));
    EXPECT_TRUE(box.hasAcceptableInput());
    EXPECT_EQ(box.text().size(), 25);
    QString shorter = box.text().left(24);
    EXPECT_EQ(box.validator()->validate(shorter, at), QValidator::Acceptable);
    QString longer = box.text() + QStringLiteral("P");
    EXPECT_EQ(box.validator()->validate(longer, at), QValidator::Invalid);
}

// Every character typed alone into the real box, as a key carrying that text: barcode characters
// (lower case included) go in, anything else leaves the box as it was.
void typeCharacter(QLineEdit& box, char16_t c) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(&box, &press);
}

TEST(BarcodeEntryBox, TakesTypedBarcodeCharactersOnly) {
    BarcodeEntryBox box(nullptr);
    for (const char16_t c : u"09AZaz-. /+") {
        if (c == 0)
            continue;
        box.putText(QString());
        typeCharacter(box, c);
        EXPECT_EQ(box.text(), QString(QChar(c))) << char(c);
    }
    for (const char16_t c : {u'*', u'$', u'%', u'#', u'\uFF0C', u'\uFF21', u'\u3000', u'_',
                             char16_t(10), char16_t(127), char16_t(31)}) {
        box.putText(QStringLiteral("AB"));
        box.selectAll();
        typeCharacter(box, c);
        EXPECT_EQ(box.text(), QStringLiteral("AB")) << "U+" << std::hex << int(c);
    }
}

} // namespace
} // namespace brevmark
