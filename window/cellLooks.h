// The looks of a board cell: the colours every part of the window paints cells with.
#pragma once

#include <QColor>

namespace cellLooks {

inline const QColor GivenBack{0, 0, 0};
inline const QColor GivenText{255, 255, 255};
inline const QColor OpenBack{255, 255, 255};
inline const QColor OpenText{0, 0, 0};
inline const QColor EnteredDigitBack{102, 102, 102};
inline const QColor ErrorBack{255, 0, 0};
inline const QColor RevealedBack{255, 255, 192};

} // namespace cellLooks
