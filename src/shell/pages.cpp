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
