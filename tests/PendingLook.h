#pragma once
// How a speed button looks as drawn: a pending (Down) request must be told from an idle one
// at a glance.
#include <QImage>
#include <QWidget>

// Mean grey level of a button's face just inside its 2-pixel edge on the left, where no
// caption reaches.
inline double FaceGrey(QWidget* button)
{
    const QImage image = button->grab().toImage();
    double sum = 0;
    int n = 0;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < 4; ++x, ++n)
            sum += qGray(image.pixel(x, y));
    return n ? sum / n : 0;
}

// The window with a request pending, saved under QS_SCREENSHOT_DIR (when set) for the README.
inline void SavePendingShot(QWidget* window, const char* file)
{
    const QByteArray dir = qgetenv("QS_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->grab().save(QString::fromUtf8(dir) + "/" + file);
}
