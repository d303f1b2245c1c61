#include "alignment/TemplateFileReader.h"

#include "common/Twips.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>

namespace brevmark {

namespace {

// The first reason a sheet is left out; later ones are not looked for.
class Refusal {
public:
    void refuse(const QString& reason) {
        if (reason_.isEmpty())
            reason_ = reason;
    }
    bool refused() const { return !reason_.isEmpty(); }
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// The attributes of one element, read into numbers; what does not read refuses the sheet and
// gives 0.
class Attributes {
public:
    Attributes(const QXmlStreamAttributes& a, Refusal& refusal)
        : attributes_(a), refusal_(refusal) {}

    bool has(const char* name) const { return attributes_.hasAttribute(QLatin1String(name)); }
    QString text(const char* name) const {
        return attributes_.value(QLatin1String(name)).toString().trimmed();
    }
    // A length; `fallback` when the attribute is missing and a fallback is given.
    double length(const char* name, std::optional<double> fallback = std::nullopt) const {
        if (!has(name)) {
            if (!fallback)
                refusal_.refuse(QStringLiteral("缺少 %1").arg(QLatin1String(name)));
            return fallback.value_or(0);
        }
        const std::optional<double> value = TemplateFileReader::length(text(name));
        if (!value || std::abs(*value) > TemplateFileReader::longestLength) {
            refusal_.refuse(
                QStringLiteral("%1=\"%2\" 不是可用的長度").arg(QLatin1String(name), text(name)));
            return 0;
        }
        return *value;
    }
    double positiveLength(const char* name) const {
        const double value = length(name);
        if (value <= 0)
            refusal_.refuse(QStringLiteral("%1 應大於 0").arg(QLatin1String(name)));
        return value;
    }
    int count(const char* name) const {
        bool ok = false;
        const int value = text(name).toInt(&ok);
        if (!ok || value < 1 || value > TemplateFileReader::mostLabels) {
            refusal_.refuse(QStringLiteral("%1=\"%2\" 不是 1 到 %3 的整數")
                                .arg(QLatin1String(name), text(name))
                                .arg(TemplateFileReader::mostLabels));
            return 1;
        }
        return value;
    }

private:
    const QXmlStreamAttributes attributes_;
    Refusal& refusal_;
};

bool isLabelElement(QStringView name) {
    return name == QLatin1String("Label-rectangle") || name == QLatin1String("Label-round") ||
           name == QLatin1String("Label-ellipse") || name == QLatin1String("Label-cd");
}

// The shape and size of a label element.
void readShape(QStringView name, const Attributes& a, LabelTemplate& t, Refusal& refusal) {
    if (name == QLatin1String("Label-rectangle")) {
        t.shape = LabelTemplate::Shape::Rectangle;
        t.labelSize = QSizeF(a.positiveLength("width"), a.positiveLength("height"));
        // Only drawn; a value the reader cannot use leaves the corners square.
        t.cornerRadius = TemplateFileReader::length(a.text("round")).value_or(0);
    } else if (name == QLatin1String("Label-round")) {
        t.shape = LabelTemplate::Shape::Round;
        const double r = a.positiveLength("radius");
        t.labelSize = QSizeF(2 * r, 2 * r);
    } else if (name == QLatin1String("Label-ellipse")) {
        t.shape = LabelTemplate::Shape::Ellipse;
        t.labelSize = QSizeF(a.positiveLength("width"), a.positiveLength("height"));
    } else {
        t.shape = LabelTemplate::Shape::Cd;
        const double r = a.positiveLength("radius");
        t.cdRadius = r;
        t.holeRadius = a.length("hole", 0.0);
        if (t.holeRadius < 0 || t.holeRadius >= r)
            refusal.refuse(QStringLiteral("hole 應小於 radius"));
        // A CD label cut to a card keeps its circle but only this width and height.
        t.labelSize = QSizeF(a.has("width") ? a.positiveLength("width") : 2 * r,
                             a.has("height") ? a.positiveLength("height") : 2 * r);
    }
}

LabelTemplate::Layout readLayout(const Attributes& a) {
    LabelTemplate::Layout l;
    l.nx = a.count("nx");
    l.ny = a.count("ny");
    l.x0 = a.length("x0", 0.0);
    l.y0 = a.length("y0", 0.0);
    l.dx = a.length("dx", 0.0);
    l.dy = a.length("dy", 0.0);
    return l;
}

// The children of a label element: the markup margin and the layouts.
void readLabelContent(QXmlStreamReader& r, LabelTemplate& t, Refusal& refusal) {
    bool marginRead = false;
    while (r.readNextStartElement()) {
        const Attributes a(r.attributes(), refusal);
        if (r.name() == QLatin1String("Layout")) {
            t.layouts.append(readLayout(a));
        } else if (r.name() == QLatin1String("Markup-margin") && !marginRead) {
            t.markupMargin = a.length("size");
            if (t.markupMargin < 0)
                refusal.refuse(QStringLiteral("Markup-margin 不可為負"));
            marginRead = true;
        }
        r.skipCurrentElement();
    }
}

void checkGeometry(const LabelTemplate& t, Refusal& refusal) {
    if (t.layouts.isEmpty())
        refusal.refuse(QStringLiteral("沒有 Layout"));
    qint64 labels = 0;
    for (const LabelTemplate::Layout& l : t.layouts)
        labels += qint64(l.nx) * l.ny;
    if (labels > TemplateFileReader::mostLabels)
        refusal.refuse(QStringLiteral("標籤多於 %1 張").arg(TemplateFileReader::mostLabels));
    if (t.paperId.isEmpty())
        refusal.refuse(QStringLiteral("缺少 size（紙張）"));
}

// One `Template` element; the reader stands on its start and ends on its end. A sheet that is
// refused is only noted, so the rest of the file still reads.
void readTemplate(QXmlStreamReader& r, TemplateFile& file) {
    Refusal refusal;
    const Attributes a(r.attributes(), refusal);
    LabelTemplate t;
    t.brand = a.text("brand");
    t.part = a.text("part");
    t.description = a.has("description") ? a.text("description") : a.text("_description");
    if (t.brand.isEmpty() || t.part.isEmpty())
        refusal.refuse(QStringLiteral("缺少 brand 或 part"));
    if (a.has("equiv")) {
        t.equivalentOf = a.text("equiv");
        if (t.equivalentOf.isEmpty())
            refusal.refuse(QStringLiteral("equiv 是空的"));
        r.skipCurrentElement();
    } else {
        t.paperId = a.text("size");
        if (t.paperId == QLatin1String("Other"))
            t.paper = QSizeF(a.positiveLength("width"), a.positiveLength("height"));
        bool labelRead = false;
        while (r.readNextStartElement()) {
            // A sheet has one kind of label; further ones are not part of this format's sheets.
            if (isLabelElement(r.name()) && !labelRead) {
                readShape(r.name(), Attributes(r.attributes(), refusal), t, refusal);
                readLabelContent(r, t, refusal);
                labelRead = true;
            } else {
                r.skipCurrentElement();
            }
        }
        if (!labelRead)
            refusal.refuse(QStringLiteral(
                "沒有標籤（Label-rectangle、Label-round、Label-ellipse 或 Label-cd）"));
        checkGeometry(t, refusal);
    }
    if (!refusal.refused()) {
        file.templates.append(t);
        return;
    }
    const QString who =
        t.brand.isEmpty() && t.part.isEmpty() ? QStringLiteral("（無名稱）") : t.name().trimmed();
    file.problems.append(who + QStringLiteral("：") + refusal.reason());
}

void readPaperSizes(QXmlStreamReader& r, TemplateFile& file) {
    while (r.readNextStartElement()) {
        if (r.name() == QLatin1String("Paper-size")) {
            Refusal refusal;
            const Attributes a(r.attributes(), refusal);
            const QString id = a.text("id");
            const QSizeF size(a.positiveLength("width"), a.positiveLength("height"));
            if (refusal.refused())
                file.problems.append(QStringLiteral("紙張 ") + id + QStringLiteral("：") +
                                     refusal.reason());
            else if (!id.isEmpty() && !file.paperSizes.contains(id))
                file.paperSizes.insert(id, size);
        }
        r.skipCurrentElement();
    }
}

} // namespace

std::optional<double> TemplateFileReader::length(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)?\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double number = m.captured(1).isEmpty() ? 0 : m.captured(1).toDouble();
    if (!std::isfinite(number))
        return std::nullopt;
    const QString unit = m.captured(2);
    double perUnit = 0;
    if (unit.isEmpty() || unit == QLatin1String("pt"))
        perUnit = twips::perPoint;
    else if (unit == QLatin1String("in"))
        perUnit = twips::perInch;
    else if (unit == QLatin1String("mm"))
        perUnit = twips::perInch / 25.4;
    else if (unit == QLatin1String("cm"))
        perUnit = twips::perInch / 2.54;
    else if (unit == QLatin1String("pc"))
        perUnit = 12 * twips::perPoint;
    else
        return std::nullopt;
    const double value = number * perUnit;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::variant<TemplateFile, QString> TemplateFileReader::read(const QByteArray& xml) {
    QXmlStreamReader r(xml);
    TemplateFile file;
    if (!r.readNextStartElement()) {
        if (r.hasError())
            return QStringLiteral("第 %1 行：%2").arg(r.lineNumber()).arg(r.errorString());
        return QStringLiteral("不是 XML 檔");
    }
    const QStringView root = r.name();
    if (root == QLatin1String("Glabels-templates")) {
        while (r.readNextStartElement()) {
            if (r.name() == QLatin1String("Template"))
                readTemplate(r, file);
            else
                r.skipCurrentElement();
        }
    } else if (root == QLatin1String("Glabels-paper-sizes")) {
        readPaperSizes(r, file);
    } else if (root == QLatin1String("Glabels-categories") ||
               root == QLatin1String("Glabels-vendors")) {
        r.skipCurrentElement();
    } else {
        return QStringLiteral("不是標籤範本檔（根元素為 %1）").arg(root.toString());
    }
    // Whatever follows the root element must still be well-formed.
    while (!r.atEnd())
        r.readNext();
    if (r.hasError())
        return QStringLiteral("第 %1 行：%2").arg(r.lineNumber()).arg(r.errorString());
    return file;
}

} // namespace brevmark
