#include "reports/report_engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringDecoder>
#include <new>

#include "reports/report_failure.h"

namespace mw::reports {

namespace {

// Layouts are small; anything bigger is not one.
constexpr qint64 kLargestLayout = 1024 * 1024;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

std::shared_ptr<const ReportLayout> readLayoutFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        fail(error::kLayoutMissing, {shown(path)});
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(error::kLayoutUnreadable, {shown(path), file.errorString()});
    }
    const QByteArray bytes = file.read(kLargestLayout + 1);
    if (bytes.size() > kLargestLayout || bytes.contains('\0')) {
        fail(error::kNotALayout, {shown(path)});
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError()) {
        fail(error::kNotALayout, {shown(path)});
    }
    try {
        return std::make_shared<const ReportLayout>(parseLayout(text));
    } catch (const LayoutError& e) {
        switch (e.kind) {
            case LayoutError::Kind::NotALayout:
                fail(error::kNotALayout, {shown(path)});
            case LayoutError::Kind::UnknownVersion:
                fail(error::kLayoutVersion, {shown(path), e.detail});
            case LayoutError::Kind::Damaged:
                break;
        }
        fail(error::kLayoutDamaged, {shown(path), QString::number(e.line), e.detail});
    }
}

CReportEngine::~CReportEngine() {
    Close();
}

bool CReportEngine::Open() {
    if (m_open) {
        return true;
    }
    // Reports are drawn with the window system's fonts and painter.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        m_errorCode = error::kNoGraphics;
        m_errorText = reportText(error::kNoGraphics);
        return false;
    }
    m_errorCode = 0;
    m_errorText.clear();
    m_open = true;
    return true;
}

void CReportEngine::Close() {
    m_jobs.clear();
    m_open = false;
}

CReportJob* CReportEngine::OpenJob(const QString& path) {
    m_errorCode = 0;
    m_errorText.clear();
    try {
        std::shared_ptr<const ReportLayout> layout = readLayoutFile(path);
        std::unique_ptr<CReportJob> job(new CReportJob(std::move(layout), path, nullptr, -1));
        job->m_engine = this;
        m_jobs.push_back(std::move(job));
        return m_jobs.back().get();
    } catch (const ReportFailure& failure) {
        m_errorCode = failure.code;
        m_errorText = failure.text;
    } catch (const std::bad_alloc&) {
        m_errorCode = error::kOutOfMemory;
        m_errorText.clear();
    }
    return nullptr;
}

void CReportEngine::CloseJob(CReportJob* job) {
    m_jobs.remove_if([job](const std::unique_ptr<CReportJob>& j) { return j.get() == job; });
}

}  // namespace mw::reports
