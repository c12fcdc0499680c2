#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <list>
#include <memory>

#include "reports/report_job.h"

namespace mw::reports {

// Reads a layout file; throws ReportFailure for a missing, unreadable or
// damaged file, or one of another version.
std::shared_ptr<const ReportLayout> readLayoutFile(const QString& path);

// The report print engine, one per run: opened at the first report command,
// it opens print jobs on ".rpt" layout files and keeps them until they are
// closed or the engine closes. An error of the engine itself (a job that
// could not be opened) is kept here; a job keeps its own.
class CReportEngine {
public:
    CReportEngine() = default;
    ~CReportEngine();
    CReportEngine(const CReportEngine&) = delete;
    CReportEngine& operator=(const CReportEngine&) = delete;

    // Opens the engine; false (with the error code and text) when reports
    // cannot be drawn here.
    bool Open();
    // Closes every job, then the engine.
    void Close();
    bool isOpen() const { return m_open; }

    // A job on the layout file at `path`, or null with the engine's error set
    // (a missing, unreadable or damaged layout).
    CReportJob* OpenJob(const QString& path);
    // Closes one job and its subreport jobs.
    void CloseJob(CReportJob* job);

    int GetErrorCode() const { return m_errorCode; }
    QString GetErrorText() const { return m_errorText; }
    int GetJobCount() const { return static_cast<int>(m_jobs.size()); }
    const std::list<std::unique_ptr<CReportJob>>& jobs() const { return m_jobs; }

    // Makes the preview window of a job's window output: the host named as
    // the output's owner gets a child showing the document. The program's
    // window layer provides it; without one, window output fails.
    using PreviewFactory = std::function<QObject*(std::shared_ptr<const ReportDocument> document,
                                                  const WindowOutput& output)>;
    void setPreviewFactory(PreviewFactory factory) { m_previewFactory = std::move(factory); }
    const PreviewFactory& previewFactory() const { return m_previewFactory; }

private:
    bool m_open = false;
    int m_errorCode = 0;
    QString m_errorText;
    std::list<std::unique_ptr<CReportJob>> m_jobs;
    PreviewFactory m_previewFactory;
};

}  // namespace mw::reports
