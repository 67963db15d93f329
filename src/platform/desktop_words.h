#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

class CodePage;
class IniFile;

// The words the simulated desktop shows (the Start button and menu, the
// desktop's icons, the word processor's caption, menus and buttons, the
// Open/Save dialog, the message boxes, the document names), from the
// language file's section DESKTOP, decoded in the language's code page. A
// key the file lacks gives the English word, so a pack that is not yet
// complete still shows every control with a word.
//
// '&' in a word marks the letter shown underlined (the access key); "&&" is
// an ampersand. "%s" in WindowCaption and SaveChanges stands for a
// document's name.
class DesktopWords {
public:
    // The English words.
    DesktopWords() = default;
    DesktopWords(const IniFile &languageFile, const CodePage &codePage);

    // The word of a key (one of english()'s); the English word when the file
    // has none; the key itself for a key that is not a desktop word.
    QString text(QByteArrayView key) const;
    // The word without its '&' marks, as a screen reader says it.
    QString plain(QByteArrayView key) const;
    // The word processor's caption for a document: "My Document - Wordpad".
    QString windowCaption(const QString &document) const;
    // The save-changes question for a document.
    QString saveChanges(const QString &document) const;

    // Every key with its English word, in the order of the English file.
    struct Entry {
        const char *key;
        const char *english;
    };
    static const QList<Entry> &english();

private:
    QHash<QByteArray, QString> m_words;  // only the words the file gives
};

// A text without its access-key marks: "Sh&ut Down..." -> "Shut Down...",
// "A && B" -> "A & B".
QString withoutAccessMarks(const QString &text);
// The access letter of a text, or a null QChar when it has none.
QChar accessLetter(const QString &text);

// The words of the course that is running: English until the course reads
// its language file, which it does before it builds its windows.
const DesktopWords &desktopWords();
void setDesktopWords(DesktopWords words);
// desktopWords().text(key).
QString desktopWord(QByteArrayView key);
// Makes the key names of the shortcuts Qt shows in menus ("Ctrl+N") the
// desktop words KeyCtrl, KeyAlt, KeyShift, KeyDel and KeyEnter (once per
// application).
void installDesktopKeyNames();
