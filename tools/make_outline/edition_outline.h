#pragma once

// The course outline of this edition, as tools/make_outline writes it to
// assets/course_outline.bin (which the program compiles in). Shared with the
// test that checks the committed file is what the tool writes today.

#include "shell/course_outline.h"

#include <QByteArray>
#include <QList>

// Seven chapters with their lessons; only the chapter T050 has pages.
QList<OutlineNode> editionOutline();
// The node stream of that outline: the bytes of assets/course_outline.bin.
QByteArray editionOutlineStream();
