#include "shell/pages.h"

namespace {

constexpr PageInfo kPages[PageCount] = {
    // code    taskbar wordpad clipboard back
    {"T001", false, false, false, false},  // the title page with its countdown
    {"T051", true, false, false, false},   // starting the word processor from the Start menu
    {"T052", true, true, false, true},     // opening a document
    {"T053", true, true, false, true},     // a new document and the save-changes question
    {"T054", true, true, false, true},     // typing
    {"T055", true, true, true, true},      // cut, copy and paste
    {"T056", true, true, false, true},     // saving
    {"T057", true, true, false, true},     // closing, and reopening from Documents
    {"T058", true, true, false, true},     // printing
    {"T059", true, true, false, true},     // the final exercise
    {"T003", false, false, false, true},   // the credits
};

}  // namespace

const PageInfo *pageInfo(int index)
{
    return index >= 0 && index < PageCount ? &kPages[index] : nullptr;
}

QString pageCode(int index)
{
    const PageInfo *info = pageInfo(index);
    return info ? QString::fromLatin1(info->code) : QString();
}

QString instructionsToSpeak(const QString &title, const QString &plainText)
{
    const QString text = plainText.trimmed();
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    const auto bare = [](QString s) {
        s = s.simplified();
        while (!s.isEmpty() && (s.back().isPunct() || s.back().isSpace()))
            s.chop(1);
        return s;
    };
    const QString heading = bare(text.left(end < 0 ? text.size() : end));
    const QString name = bare(title);
    const bool repeats = !heading.isEmpty() && !name.isEmpty()
                         && (name.startsWith(heading, Qt::CaseInsensitive)
                             || heading.startsWith(name, Qt::CaseInsensitive));
    return (repeats ? (end < 0 ? QString() : text.mid(end + 1)) : text).simplified();
}
