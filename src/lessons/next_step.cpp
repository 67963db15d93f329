#include "lessons/next_step.h"

#include "platform/ini_file.h"
#include "shell/pages.h"

namespace {

using T = StepTarget;

NextStep step(T target, int n, const char *key)
{
    return {target, n, QByteArray(key)};
}

// Start > Programs > Accessories > Wordpad.
NextStep t051(const LessonView &v)
{
    if (v.menu == OpenMenu::Accessories)
        return step(T::AccessoriesWordpad, 3, "T051Wordpad");
    if (v.menu == OpenMenu::Programs)
        return step(T::ProgramsAccessories, 2, "T051Accessories");
    if (v.startMenuOpen)
        return step(T::StartMenuPrograms, 1, "T051Programs");
    return step(T::StartButton, 0, "T051Start");
}

// File > Open..., Files of type: All Documents (Document2 is a text
// document), Document2, Open.
NextStep t052(const LessonView &v)
{
    if (v.dialog == OpenDialog::File) {
        if (v.typeListOpen)
            return step(T::FileTypeAll, 3, "T052TypeList");
        if (v.confirmAvailable)
            return step(T::FileConfirm, 5, "T052Confirm");
        if (v.fileType != 0)
            return step(T::Document2Item, 4, "T052Document2");
        return step(T::FileTypeBox, 2, "T052FileType");
    }
    if (v.menu == OpenMenu::File)
        return step(T::FileOpen, 1, "FileOpen");
    return step(T::FileMenu, 0, "File");
}

// A change to the letter, then File > New... and an answer to the question.
// Typing and pointing at File are one step, so a letter typed hides the
// hint rather than moving it on while the learner still types.
NextStep t053(const LessonView &v)
{
    if (v.dialog == OpenDialog::SaveChanges)
        return step(T::QuestionNo, 2, "T053Question");
    if (!v.modified)
        return step(T::WordpadText, 0, "T053Change");
    if (v.menu == OpenMenu::File)
        return step(T::FileNew, 1, "FileNew");
    return step(T::FileMenu, 0, "File");
}

NextStep t054(const LessonView &v)
{
    if (v.taskDone)
        return step(T::Forward, 1, "Forward");
    return step(T::WordpadText, 0, "T054Type");
}

// Double-click a word, Edit > Copy, a click where it goes, Edit > Paste.
// Only a copy made on this visit leads to Paste: what the clipboard held
// before the page is no step of the learner's.
NextStep t055(const LessonView &v)
{
    if (v.taskDone)
        return step(T::Forward, 5, "Forward");
    if (v.copied) {
        if (v.menu == OpenMenu::Edit)
            return step(T::EditPaste, 4, "T055Paste");
        return step(T::EditMenu, 3, "T055Place");
    }
    if (v.hasSelection) {
        if (v.menu == OpenMenu::Edit)
            return step(T::EditCopy, 2, "T055Copy");
        return step(T::EditMenu, 1, "T055Edit");
    }
    return step(T::WordpadText, 0, "T055Select");
}

// The Save dialog of T056 and T059: the first file type, the expected
// name, Save. Steps from first on.
NextStep saveDialog(const LessonView &v, int first, const char *nameKey)
{
    if (v.typeListOpen)
        return step(T::FileTypeWordPad, first + 1, "SaveTypeList");
    if (v.fileType != 0)
        return step(T::FileTypeBox, first, "SaveFileType");
    if (v.confirmAvailable)
        return step(T::FileConfirm, first + 3, "SaveConfirm");
    return step(T::FileNameBox, first + 2, nameKey);
}

// File > Save, the name My Document, Save, then Forward.
NextStep t056(const LessonView &v)
{
    if (v.taskDone)
        return step(T::Forward, 6, "Forward");
    if (v.dialog == OpenDialog::File)
        return saveDialog(v, 2, "T056Name");
    if (v.menu == OpenMenu::File)
        return step(T::FileSave, 1, "FileSave");
    return step(T::FileMenu, 0, "File");
}

// Close the word processor, then Start > Documents > My Document.
NextStep t057(const LessonView &v)
{
    if (v.menu == OpenMenu::Documents)
        return step(T::DocumentsMyDocument, 3, "T057MyDocument");
    if (v.wordpadVisible)
        return step(T::WordpadClose, 0, "T057Close");
    if (v.startMenuOpen)
        return step(T::StartMenuDocuments, 2, "T057Documents");
    return step(T::StartButton, 1, "T057Start");
}

// The print dialog and, when printing fails, the print-error box.
std::optional<NextStep> printing(const LessonView &v, int n)
{
    if (v.dialog == OpenDialog::Print)
        return step(T::PrintConfirm, n, "PrintDialog");
    if (v.dialog == OpenDialog::PrintError)
        return step(T::PrintErrorOk, n + 1, "PrintError");
    return std::nullopt;
}

// File > Print..., Print, then Forward.
NextStep t058(const LessonView &v)
{
    if (v.taskDone)
        return step(T::Forward, 4, "Forward");
    if (const std::optional<NextStep> p = printing(v, 2))
        return *p;
    if (v.menu == OpenMenu::File)
        return step(T::FilePrint, 1, "FilePrint");
    return step(T::FileMenu, 0, "File");
}

// File > New... (and the question), the comments, File > Save, the name
// Comments, Save, then the close box. Printing is up to the learner; its
// dialogs are pointed at while they show.
NextStep t059(const LessonView &v)
{
    if (const std::optional<NextStep> p = printing(v, 10))
        return *p;
    switch (v.exercise) {
    case 0:
        if (v.dialog == OpenDialog::SaveChanges)
            return step(T::QuestionNo, 2, "T059Question");
        if (v.menu == OpenMenu::File)
            return step(T::FileNew, 1, "FileNew");
        return step(T::FileMenu, 0, "T059New");
    case 1:
        if (v.dialog == OpenDialog::File)
            return saveDialog(v, 5, "T059Name");
        if (v.textLength == 0)
            return step(T::WordpadText, 3, "T059Type");
        if (v.menu == OpenMenu::File)
            return step(T::FileSave, 4, "FileSave");
        return step(T::FileMenu, 3, "T059Save");
    default:
        return step(T::WordpadClose, 9, "T059Close");
    }
}

}  // namespace

NextStep nextStep(const LessonView &v)
{
    // A window the lesson does not know is in front: nothing to point at.
    if (v.dialog == OpenDialog::Other)
        return {};
    NextStep s;
    switch (v.page) {
    case Page::T051: s = t051(v); break;
    case Page::T052: s = t052(v); break;
    case Page::T053: s = t053(v); break;
    case Page::T054: s = t054(v); break;
    case Page::T055: s = t055(v); break;
    case Page::T056: s = t056(v); break;
    case Page::T057: s = t057(v); break;
    case Page::T058: s = t058(v); break;
    case Page::T059: s = t059(v); break;
    default: return {};
    }
    // Every step but T051's and T057's is in the word processor or a dialog
    // of it; Forward lies beside it.
    const bool wordpadStep = s.target != T::Forward && s.target != T::StartButton
                             && s.target != T::StartMenuPrograms && s.target != T::StartMenuDocuments
                             && s.target != T::ProgramsAccessories && s.target != T::AccessoriesWordpad
                             && s.target != T::DocumentsMyDocument;
    if (wordpadStep && !v.wordpadVisible && v.dialog == OpenDialog::None)
        return {};
    return s;
}

QList<QByteArray> hintKeys()
{
    return {"T051Start",   "T051Programs", "T051Accessories", "T051Wordpad",    "File",
            "FileNew",     "FileOpen",     "FileSave",        "FilePrint",      "Forward",
            "T052FileType", "T052TypeList", "T052Document2",  "T052Confirm",    "T053Change",
            "T053Question", "T054Type",    "T055Select",      "T055Edit",       "T055Copy",
            "T055Place",   "T055Paste",
            "SaveFileType", "SaveTypeList", "SaveConfirm",    "T056Name",       "T057Close",
            "T057Start",   "T057Documents", "T057MyDocument", "PrintDialog",    "PrintError",
            "T059New",     "T059Question", "T059Type",        "T059Save",       "T059Name",
            "T059Close"};
}

std::optional<int> parseHintDelay(QByteArrayView text)
{
    const QByteArray trimmed = text.toByteArray().trimmed();
    bool ok = false;
    const int seconds = trimmed.toInt(&ok, 10);
    if (!ok || seconds < 0 || seconds > MaxHintDelay)
        return std::nullopt;
    return seconds;
}

int hintDelayOf(const IniFile &progress)
{
    const std::optional<QByteArray> raw = progress.value("OPTIONS", "HintDelay");
    if (!raw)
        return DefaultHintDelay;
    return parseHintDelay(*raw).value_or(DefaultHintDelay);
}
