#pragma once

#include <QString>
#include <array>
#include <optional>

namespace brevmark {

// The captions of the seven record fields (barcode, category, name, custom 1 to 4), stored under
// `標籤A` as twelve parts joined by "★": the seven captions, then five times "自訂". Captions may
// hold spaces, never "★", commas or double quotes.
namespace field_captions {

using Captions = std::array<QString, 7>;

QString defaultCaption(int field);
Captions defaults();
// The value read as every reader reads it: spaces become "□", "★" becomes a space, split at
// spaces, used only when exactly twelve parts result, "□" back to spaces. Nothing otherwise.
std::optional<Captions> parse(const QString& value);
QString settingValue(const Captions& captions);

} // namespace field_captions

} // namespace brevmark
