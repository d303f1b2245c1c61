#include "page/FormatMemory.h"

#include "common/LeadingNumber.h"
#include "common/Rounding.h"
#include "page/FormatNumbers.h"
#include "symbology/BarcodeText.h"

#include <algorithm>
#include <limits>

namespace brevmark {

namespace {

QString joined(std::initializer_list<QString> parts) {
    return QStringList(parts).join(QLatin1Char(' '));
}

QString whole(int value) {
    return QString::number(value);
}

// The parts of a field that holds several values: split at single spaces, empty parts kept.
QStringList parts(const QString& field) {
    return field.split(QLatin1Char(' '));
}

// A position or size as the item holds it. A number beyond the largest single (sixty digits in a
// hand-edited or damaged file) is clamped to it: an infinite item could not be placed, drawn or
// saved back.
float finiteSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return toSingle(std::clamp(value, -largest, largest));
}

float single(const QString& text, float fallback) {
    const std::optional<double> value = FormatNumbers::strictNumber(text);
    return value ? finiteSingle(*value) : fallback;
}

std::uint8_t byte(const QString& text, std::uint8_t fallback) {
    const std::optional<double> value = FormatNumbers::strictNumber(text);
    return value ? toUInt8(*value) : fallback;
}

bool flag(const QString& text, bool fallback) {
    return FormatNumbers::boolFromText(text).value_or(fallback);
}

QString stripSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

void FormatMemory::setRecords(const QList<FormatRecord>& records) {
    records_ = records.mid(0, capacity);
}

QString FormatMemory::cleanCaption(const QString& caption) {
    return stripSpaces(cleanField(caption));
}

FormatRecord FormatMemory::barcodeRecord(const BarcodeItem& item) {
    const BarcodeAppearance& s = item.symbol;
    FormatRecord r;
    r[0] = item.category;
    r[1] = item.name;
    r[2] = FormatRecord::barcodeKind();
    r[3] = singleText(item.width);
    r[4] = singleText(item.height);
    r[5] = s.text;
    r[6] = FormatNumbers::colourText(item.backColour);
    r[7] = whole(s.showText);
    r[8] = joined({singleText(s.symbolLeft), singleText(s.symbolTop), s.barHeight});
    r[9] =
        joined({FormatNumbers::boolText(s.textBold), FormatNumbers::boolText(s.textItalic),
                FormatNumbers::boolText(s.textUnderline), whole(item.border), whole(s.textSize)});
    r[10] = joined(
        {whole(s.barWidth), whole(s.widthRatio), whole(s.textAlignment), QStringLiteral("0")});
    return r;
}

FormatRecord FormatMemory::labelRecord(const BarcodeItem& item, const TextLabelItem& label) {
    FormatRecord r;
    r[0] = item.category;
    r[1] = item.name;
    r[2] = FormatRecord::labelKind();
    r[3] = label.caption;
    r[4] = singleText(label.left);
    r[5] = singleText(label.top);
    r[6] = FormatNumbers::colourText(label.foreColour);
    r[7] = singleText(label.fontSize);
    r[8] = label.fontName;
    r[9] = joined({FormatNumbers::boolText(label.bold), FormatNumbers::boolText(label.italic),
                   FormatNumbers::boolText(label.underline)});
    return r;
}

FormatRecord FormatMemory::imageRecord(const BarcodeItem& item, const ImageItem& image) {
    FormatRecord r;
    r[0] = item.category;
    r[1] = item.name;
    r[2] = FormatRecord::pictureKind();
    r[3] = image.file;
    r[4] = singleText(image.left);
    r[5] = singleText(image.top);
    r[6] = singleText(image.width);
    r[7] = singleText(image.height);
    return r;
}

void FormatMemory::capture(const BarcodeItem& item, TagTable::ItemTags* tags) {
    records_ = recordsOf(item, tags);
    if (!tags)
        return;
    for (std::optional<TextLabelItem>& label : tags->labels)
        if (label)
            if (std::optional<TextLabelItem> cleaned = withCleanCaption(*label))
                label = std::move(cleaned);
}

std::optional<TextLabelItem> FormatMemory::withCleanCaption(const TextLabelItem& label) {
    const QString cleaned = cleanCaption(label.caption);
    if (cleaned == label.caption)
        return std::nullopt;
    TextLabelItem changed = label;
    changed.caption = cleaned;
    changed.fitToCaption();
    return changed;
}

QList<FormatRecord> FormatMemory::recordsOf(const BarcodeItem& item,
                                            const TagTable::ItemTags* tags) {
    QList<FormatRecord> records{barcodeRecord(item)};
    if (!tags)
        return records;
    for (int j = 0; j <= TagTable::maxPerItem; ++j) {
        if (const auto& label = tags->labels[std::size_t(j)]) {
            TextLabelItem cleaned = *label;
            cleaned.caption = cleanCaption(label->caption);
            records.append(labelRecord(item, cleaned));
        }
        if (const auto& image = tags->images[std::size_t(j)])
            records.append(imageRecord(item, *image));
    }
    return records;
}

void FormatMemory::applyBarcode(const FormatRecord& r, BarcodeItem& item) {
    BarcodeAppearance& s = item.symbol;
    item.category = r[0];
    item.name = r[1];
    // A size of 0 or less only comes from a damaged record and would leave an item that can
    // neither be seen nor grabbed: the item keeps its size then.
    if (const float width = finiteSingle(leadingNumber(r[3])); width > 0)
        item.width = width;
    if (const float height = finiteSingle(leadingNumber(r[4])); height > 0)
        item.height = height;
    s.text = r[5];
    if (const std::optional<QRgb> colour = FormatNumbers::colourFromText(r[6]))
        item.backColour = *colour;
    s.showText = toUInt8(leadingNumber(r[7]));

    const QStringList origin = parts(r[8]);
    if (origin.size() == 3) {
        s.symbolLeft = finiteSingle(leadingNumber(origin[0]));
        s.symbolTop = finiteSingle(leadingNumber(origin[1]));
        s.barHeight = numberText(leadingNumber(origin[2]));
    }
    const QStringList style = parts(r[9]);
    if (style.size() >= 4) {
        s.textBold = flag(style[0], s.textBold);
        s.textItalic = flag(style[1], s.textItalic);
        s.textUnderline = flag(style[2], s.textUnderline);
        item.border = toUInt8(leadingNumber(style[3]));
    }
    if (style.size() == 5)
        s.textSize = byte(style[4], s.textSize);
    const QStringList bars = parts(r[10]);
    if (bars.size() == 4) {
        s.barWidth = toUInt8(leadingNumber(bars[0]));
        s.widthRatio = toUInt8(leadingNumber(bars[1]));
        s.textAlignment = toUInt8(leadingNumber(bars[2]));
    }
}

TextLabelItem FormatMemory::labelFrom(const FormatRecord& r) {
    TextLabelItem label;
    label.caption = r[3];
    label.left = single(r[4], label.left);
    label.top = single(r[5], label.top);
    if (const std::optional<QRgb> colour = FormatNumbers::colourFromText(r[6]))
        label.foreColour = *colour;
    // The size goes through a whole point size, as the label's font holds it.
    label.fontSize = byte(r[7], std::uint8_t(roundHalfEven(label.fontSize)));
    if (label.fontSize == 0)
        label.fontSize = 11.25f;
    if (!r[8].isEmpty())
        label.fontName = r[8];
    const QStringList style = parts(r[9]);
    if (style.size() == 3) {
        label.bold = flag(style[0], label.bold);
        label.italic = flag(style[1], label.italic);
        label.underline = flag(style[2], label.underline);
    }
    label.fitToCaption();
    return label;
}

ImageItem FormatMemory::imageFrom(const FormatRecord& r) {
    ImageItem image;
    image.left = single(r[4], image.left);
    image.top = single(r[5], image.top);
    image.width = single(r[6], image.width);
    image.height = single(r[7], image.height);
    return image;
}

FormatMemory::Applied FormatMemory::apply(BarcodeItem& item, int itemIndex, TagTable& tags,
                                          const PictureCheck& pictureUsable) const {
    Applied applied;
    int nextLabel = 0;
    int nextImage = 0;
    for (const FormatRecord& r : records_) {
        if (r.kind() == FormatRecord::barcodeKind()) {
            applyBarcode(r, item);
        } else if (r.kind() == FormatRecord::labelKind()) {
            ++nextLabel;
            if (tags.putLabel(itemIndex, nextLabel, labelFrom(r)))
                applied.labels.append(nextLabel);
        } else if (r.kind() == FormatRecord::pictureKind()) {
            ++nextImage;
            ImageItem image = imageFrom(r);
            if (!r[3].isEmpty() && pictureUsable && pictureUsable(r[3]))
                image.file = r[3];
            if (tags.putImage(itemIndex, nextImage, image))
                applied.images.append(nextImage);
        }
    }
    return applied;
}

PlacedItem FormatMemory::filled(int itemIndex, const BarcodeItem& base,
                                const PictureCheck& pictureUsable) const {
    BarcodeItem item = base;
    TagTable tags;
    apply(item, itemIndex, tags, pictureUsable);
    return PlacedItem::of(itemIndex, item, tags);
}

} // namespace brevmark
