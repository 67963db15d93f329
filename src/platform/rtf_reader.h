#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads rich text (RTF) into a text document. Returns false, with a reason in
// *error, when the data is not RTF it can read. Never crashes, hangs or reads
// out of bounds, whatever the input.
bool loadRtf(const QByteArray &data, QTextDocument &doc, QString *error = nullptr);
