#pragma once

#include <QImage>
#include <opencv2/core/mat.hpp>

// An OpenCV matrix over a picture's own pixels, without a copy: 8-bit grey or 24-bit pictures only.
inline cv::Mat VueOpenCv(QImage &image)
{
    const int type = image.format() == QImage::Format_RGB888 ? CV_8UC3 : CV_8UC1;
    return cv::Mat(image.height(), image.width(), type, image.bits(), std::size_t(image.bytesPerLine()));
}

inline const cv::Mat VueOpenCv(const QImage &image)
{
    const int type = image.format() == QImage::Format_RGB888 ? CV_8UC3 : CV_8UC1;
    return cv::Mat(image.height(), image.width(), type, const_cast<uchar *>(image.constBits()),
                   std::size_t(image.bytesPerLine()));
}
