#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <utility>

// The 8-bit code page behind a classic character-set number (0 Western,
// 204 Cyrillic, 161 Greek, ...). Language files, course documents and the
// credits text are bytes in such a code page; they are decoded here, at the
// edge, and everything inside the program is QString.
class CodePage {
public:
    // 0 and 1 (the "default" set) are Western (windows-1252); an unknown
    // number falls back to Western too. Only the low 8 bits count.
    static CodePage forCharset(int charset);

    int charset() const { return m_charset; }
    // The encoding's name, e.g. "windows-1251".
    QByteArray name() const { return m_name; }

    QString decode(QByteArrayView bytes) const;
    // Characters the code page cannot hold become "?".
    QByteArray encode(QStringView text) const;
    // True when every byte sequence is valid in this code page.
    bool isValid(QByteArrayView bytes) const;

private:
    CodePage(int charset, QByteArray name) : m_charset(charset), m_name(std::move(name)) {}

    int m_charset;
    QByteArray m_name;
};
