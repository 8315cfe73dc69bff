// A settings file a user copied, and a value written into it: the value reads
// back as written (less what reading drops: surrounding white space and
// Ctrl-Z, one pair of quotes), other keys keep their values, and values that
// would split their line, or a UTF-16 file, are refused with the file
// untouched.
#include "FuzzSupport.h"

#include "platform/Exceptions.h"
#include "platform/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const char* const Sections[] = {"Main", "Volume1", "Volume12", "volume1"};
const char* const Keys[] = {"WorkDir", "FavFileName", "left", "IniFileName", "Volume"};

// What a read gives of a value written as it is.
QByteArray AsRead(const QByteArray& value) {
    QByteArray text = value;
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; };
    while (!text.isEmpty() && blank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.mid(1, text.size() - 2);
    return text;
}

template <size_t N> QByteArray Pick(FuzzedDataProvider& input, const char* const (&names)[N]) {
    return names[input.ConsumeIntegralInRange<size_t>(0, N - 1)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QByteArray section = Pick(input, Sections);
    const QByteArray key = Pick(input, Keys);
    const bool integer = input.ConsumeBool();
    const int32_t number = input.ConsumeIntegral<int32_t>();
    const std::string valueText = input.ConsumeRandomLengthString(300);
    const QByteArray value(valueText.data(), static_cast<qsizetype>(valueText.size()));
    const std::string fileText = input.ConsumeRemainingBytesAsString();
    const QString path = ScratchFolder() + "/user.ini";
    WriteBytes(path, QByteArray(fileText.data(), static_cast<qsizetype>(fileText.size())));

    TIniFile ini(path);
    auto others = [&] {
        QList<QByteArray> values;
        for (const char* otherSection : Sections)
            for (const char* otherKey : Keys)
                if (qstricmp(otherSection, section) != 0 || qstricmp(otherKey, key) != 0)
                    values << ini.ReadString(otherSection, otherKey, "ERROR");
        return values;
    };
    const QList<QByteArray> before = others();
    const QByteArray original = ReadBytes(path);
    // A refused write leaves the file as it was.
    const auto refused = [&] {
        bool written = true;
        try {
            ini.WriteString(section, key, value);
        } catch (const Exception&) {
            written = false;
        }
        FUZZ_CHECK(!written && ReadBytes(path) == original);
        return 0;
    };
    if (original.startsWith("\xFF\xFE") || (!integer && !TIniFile::CanStore(value)))
        return refused();
    if (integer) {
        ini.WriteInteger(section, key, number);
        FUZZ_CHECK(ini.ReadInteger(section, key, number ^ 1) == number);
    } else {
        ini.WriteString(section, key, value);
        FUZZ_CHECK(ini.ReadString(section, key, "ERROR") == AsRead(value));
    }
    FUZZ_CHECK(others() == before);
    return 0;
}
