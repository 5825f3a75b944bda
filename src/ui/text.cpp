#include "ui/text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace bw {

// Core text is in the system's 8-bit character set (UTF-8 on Linux and macOS, the ANSI code
// page on Windows), as the settings, info and table files hold it.
QString ToQt(const std::string& text) {
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    QString decoded = system(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!system.hasError()) return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
    QStringEncoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    const QByteArray bytes = system(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace bw
