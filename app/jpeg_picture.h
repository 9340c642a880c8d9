#pragma once
// Decodes a JPEG picture with libjpeg. A picture libjpeg can't read, or
// reads only with a warning (truncated or damaged data), raises
// GeneralError with a French message naming the picture; libjpeg never ends
// the program.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace gravitaria {

// The largest side accepted, so a damaged header can't ask for a huge buffer.
inline constexpr int kMaxJpegSide = 8192;

// `name` only appears in the error message.
QImage decodeJpeg(const QByteArray& data, const QString& name);

// Reads a file or a Qt resource (":/...") and decodes it.
QImage loadJpeg(const QString& path);

}  // namespace gravitaria
