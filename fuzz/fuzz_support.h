#pragma once

// What the fuzz targets share: the input as bytes or text, and the one
// application object of the process.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace mw::fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QString text(const uint8_t* data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Created once, before the first input (Qt's SQL drivers and settings want one).
inline void startApplication(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
}

}  // namespace mw::fuzz
