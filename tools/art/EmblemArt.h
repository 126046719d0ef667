#pragma once

#include <QImage>

// The about-window logo and the application icon.
namespace emblemart {

constexpr int LogoWidth = 150;
constexpr int LogoHeight = 70;

// The word LEXILOOP on small letter tiles inside a loop of chain links.
QImage logo(int scale);

// A square icon `size` pixels wide: a letter tile ringed by a loop.
QImage icon(int size);

} // namespace emblemart
