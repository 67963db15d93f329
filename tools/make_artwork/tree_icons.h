// The pictures beside the entries of the course outline in the contents
// dialog: a book for a chapter, a page for a lesson, each also with a green
// tick once the learner has done it.
#pragma once

#include "pixel_art.h"

namespace art {

Grid chapterIcon();
Grid lessonIcon();

// The picture with a bold green tick over its lower right corner.
Grid withTick(const Grid &picture);

} // namespace art
