// Fuzz target: the stored form of the start-up password (使用密碼). The first input byte picks
// the key a save would draw; the rest is both a stored value, as TOP.reg may hold it, and a
// password typed in the settings window.
//
// Any stored value decodes without harm to a password or to none; a password the settings window
// can store decodes back to itself whatever key was drawn, in the stored form the lock reads; and
// a decoded password stored again decodes the same.
#include "support/FuzzCheck.h"
#include "support/FuzzInput.h"

#include "common/Cp950.h"
#include "common/PasswordCodec.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

using namespace brevmark;

namespace {

bool isStoredForm(const QString& stored, const QString& password) {
    static const QRegularExpression upperHex(QStringLiteral("^[0-9A-F]*$"));
    return stored.size() == 2 + 2 * cp950::encode(password).size() &&
           upperHex.match(stored).hasMatch();
}

void checkRoundTrip(const QString& password, int key) {
    if (password.isEmpty() || !cp950::canEncode(password))
        return; // the settings window stores neither
    const QString stored = password_codec::encodeWithKey(password, key);
    FUZZ_CHECK(isStoredForm(stored, password), QStringLiteral("stored as ") + stored);
    FUZZ_CHECK(password_codec::decode(stored) == password,
               QStringLiteral("a password stored as %1 does not unlock").arg(stored));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t choice = in.byte();
    const int key = 65 + choice % 26;
    const QByteArray bytes = in.rest();

    // A stored value of any text.
    const QString stored = QString::fromUtf8(bytes);
    const QString decoded = password_codec::decode(stored);
    checkRoundTrip(decoded, key);

    // A typed password, from UTF-8 or from code page 950 bytes.
    checkRoundTrip(stored, key);
    checkRoundTrip(cp950::decode(bytes), key);

    // The key is drawn from a number in [0, 1): every draw gives a key the decoder reads back.
    const QString drawn = password_codec::encode(QStringLiteral("ab"), double(choice) / 256.0);
    FUZZ_CHECK(isStoredForm(drawn, QStringLiteral("ab")) &&
                   password_codec::decode(drawn) == QStringLiteral("ab"),
               QStringLiteral("a drawn key gives ") + drawn);
    return 0;
}
