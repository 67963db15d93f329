#include "platform/desktop_words.h"

#include "platform/code_page.h"
#include "platform/ini_file.h"
#include "platform/safe_format.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

DesktopWords &current()
{
    static DesktopWords words;
    return words;
}

}  // namespace

const QList<DesktopWords::Entry> &DesktopWords::english()
{
    static const QList<Entry> entries = {
        // The taskbar and the Start menu.
        {"StartButton", "Start"},
        {"StartPrograms", "&Programs"},
        {"StartDocuments", "&Documents"},
        {"StartSettings", "&Settings"},
        {"StartFind", "&Find"},
        {"StartHelp", "&Help"},
        {"StartRun", "&Run..."},
        {"StartShutDown", "Sh&ut Down..."},
        {"Accessories", "Accessories"},
        {"Games", "Games"},
        {"SystemTools", "System Tools"},
        {"Startup", "Startup"},
        {"InternetExplorer", "Internet Explorer"},
        {"MsDosPrompt", "MS-DOS Prompt"},
        {"WindowsExplorer", "Windows Explorer"},
        {"Minesweeper", "Minesweeper"},
        {"Solitaire", "Solitaire"},
        {"Calculator", "Calculator"},
        {"Notepad", "Notepad"},
        {"Wordpad", "Wordpad"},
        {"MenuEmpty", "(Empty)"},
        // The desktop's icons.
        {"MyComputer", "My Computer"},
        {"NetworkNeighborhood", "Network Neighborhood"},
        {"RecycleBin", "Recycle Bin"},
        // The documents.
        {"WindowCaption", "%s - Wordpad"},
        {"DocumentUntitled", "Document"},
        {"Document1", "Document1"},
        {"Document2", "Document2"},
        {"Document3", "Document3"},
        {"Document4", "Document4"},
        {"Picture1", "Picture1"},
        {"Picture2", "Picture2"},
        {"Picture3", "Picture3"},
        {"MyDocument", "My Document"},
        {"Comments", "Comments"},
        // The word processor's menus, keys and toolbar tips.
        {"MenuFile", "File"},
        {"MenuEdit", "Edit"},
        {"MenuView", "View"},
        {"MenuInsert", "Insert"},
        {"MenuFormat", "Format"},
        {"MenuHelp", "Help"},
        {"FileNew", "New..."},
        {"FileOpen", "Open..."},
        {"FileSave", "Save"},
        {"FileSaveAs", "Save as..."},
        {"FilePrint", "Print..."},
        {"FilePrintPreview", "Print Preview"},
        {"FilePageSetup", "Page Setup..."},
        {"FileSend", "Send..."},
        {"FileExit", "Exit"},
        {"EditUndo", "&Undo"},
        {"EditCut", "Cu&t"},
        {"EditCopy", "&Copy"},
        {"EditPaste", "&Paste"},
        {"EditPasteSpecial", "Paste Special"},
        {"EditClear", "Cle&ar"},
        {"EditSelectAll", "Select A&ll"},
        {"EditFind", "Find..."},
        {"EditFindNext", "Find Next"},
        {"EditReplace", "Replace..."},
        {"EditLinks", "Links..."},
        {"EditObjectProperties", "Object Properties..."},
        {"EditObject", "Object"},
        {"ViewToolbar", "Toolbar"},
        {"ViewFormatBar", "Format Bar"},
        {"ViewRuler", "Ruler"},
        {"ViewStatusBar", "Status Bar"},
        {"ViewOptions", "Options..."},
        {"InsertDateTime", "Date and Time..."},
        {"InsertObject", "Object..."},
        {"FormatFont", "Font..."},
        {"FormatBulletStyle", "Bullet Style"},
        {"FormatParagraph", "Paragraph..."},
        {"FormatTabs", "Tabs..."},
        {"HelpTopics", "Help Topics"},
        {"HelpAbout", "About Wordpad"},
        {"KeyCtrl", "Ctrl"},
        {"KeyAlt", "Alt"},
        {"KeyShift", "Shift"},
        {"KeyDel", "Del"},
        {"KeyEnter", "Enter"},
        {"TipNew", "New"},
        {"TipOpen", "Open"},
        {"TipSave", "Save"},
        {"TipPrint", "Print"},
        {"TipPrintPreview", "Print Preview"},
        {"TipFind", "Find"},
        {"TipCut", "Cut"},
        {"TipCopy", "Copy"},
        {"TipPaste", "Paste"},
        {"TipUndo", "Undo"},
        // The Open/Save dialog.
        {"OpenCaption", "Open"},
        {"SaveCaption", "Save"},
        {"LookIn", "Look &in:"},
        {"MyDocuments", "My Documents"},
        {"FileName", "File &name:"},
        {"FilesOfType", "Files of &type:"},
        {"ButtonOpen", "Open"},
        {"ButtonSave", "Save"},
        {"ButtonCancel", "Cancel"},
        {"TypeWordpad", "WordPad Document"},
        {"TypeWordpadSaved", "Wordpad Document"},
        {"TypeText", "Text Document"},
        {"TypeBitmap", "Bitmap Image"},
        {"FilterWordpad", "WordPad Document (*.doc)"},
        {"FilterText", "Text Document (*.txt)"},
        {"FilterAll", "All Documents (*.*)"},
        // A window's own menu (Alt+Space).
        {"SysRestore", "&Restore"},
        {"SysMove", "&Move"},
        {"SysSize", "&Size"},
        {"SysMinimize", "Mi&nimize"},
        {"SysMaximize", "Ma&ximize"},
        {"SysClose", "&Close"},
        // The message boxes.
        {"ButtonYes", "&Yes"},
        {"ButtonNo", "&No"},
        {"Warning", "Warning"},
        {"SaveChanges", "Save changes to %s?"},
    };
    return entries;
}

DesktopWords::DesktopWords(const IniFile &languageFile, const CodePage &codePage)
{
    for (const Entry &e : english()) {
        // An empty word would leave a control blank: the English one is shown.
        const std::optional<QByteArray> value = languageFile.value("DESKTOP", e.key);
        if (value && !value->isEmpty())
            m_words.insert(QByteArray(e.key), codePage.decode(*value));
    }
}

QString DesktopWords::text(QByteArrayView key) const
{
    const auto found = m_words.constFind(key.toByteArray());
    if (found != m_words.cend())
        return *found;
    for (const Entry &e : english()) {
        if (key == e.key)
            return QString::fromUtf8(e.english);
    }
    return QString::fromLatin1(key);
}

QString DesktopWords::plain(QByteArrayView key) const
{
    return withoutAccessMarks(text(key));
}

QString DesktopWords::windowCaption(const QString &document) const
{
    return formatOrVerbatim(text("WindowCaption"), {document});
}

QString DesktopWords::saveChanges(const QString &document) const
{
    return formatOrVerbatim(text("SaveChanges"), {document});
}

QString withoutAccessMarks(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;  // "&x" shows x; "&&" shows one '&'
        plain += text[i];
    }
    return plain;
}

QChar accessLetter(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1];
        ++i;  // "&&" is an ampersand
    }
    return {};
}

const DesktopWords &desktopWords()
{
    return current();
}

void setDesktopWords(DesktopWords words)
{
    current() = std::move(words);
}

QString desktopWord(QByteArrayView key)
{
    return current().text(key);
}

namespace {

// Qt names the keys of a shortcut shown in a menu ("Ctrl+N") through its
// translations; these come from the desktop words instead.
class KeyNames : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QShortcut") != 0 || !sourceText)
            return {};
        static const struct {
            const char *qt;
            const char *key;
        } names[] = {{"Ctrl", "KeyCtrl"}, {"Alt", "KeyAlt"},     {"Shift", "KeyShift"},
                     {"Del", "KeyDel"},   {"Enter", "KeyEnter"}, {"Return", "KeyEnter"}};
        for (const auto &n : names) {
            if (qstrcmp(sourceText, n.qt) == 0)
                return desktopWord(n.key);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void installDesktopKeyNames()
{
    static KeyNames *names = nullptr;
    if (!names && QCoreApplication::instance()) {
        names = new KeyNames;
        names->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(names);
    }
}
