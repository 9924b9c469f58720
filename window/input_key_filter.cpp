#include "window/input_key_filter.h"

namespace velmar {
namespace {

bool isAsciiLetter(char16_t key)
{
    return (key >= u'A' && key <= u'Z') || (key >= u'a' && key <= u'z');
}

} // namespace

bool IsAcceptedInputKey(const QString& tabCaption, QChar key)
{
    const char16_t code = key.unicode();
    if (code >= 1 && code <= 31)
        return true;
    if (code >= u'0' && code <= u'9')
        return true;
    if (tabCaption == QLatin1String("Numbers"))
        return isAsciiLetter(code);
    return code == u'+' || code == u'-' || code == u'.' || code == u'E' || code == u'e';
}

QChar TypedInputCharacter(QChar key, const QString& regionalDecimalMark)
{
    if (regionalDecimalMark.size() == 1 && key == regionalDecimalMark.front())
        return QChar(u'.');
    return key;
}

} // namespace velmar
