#pragma once

// Twinlens's own pictures, drawn in code: the window's decoration and icon.

#include <QImage>

namespace picturecraft::twinlens {

// A pair of red/cyan glasses on a light background, `size` pixels square (50 for the
// decoration Image3).
QImage GlassesPicture(int size = 50);

}  // namespace picturecraft::twinlens
