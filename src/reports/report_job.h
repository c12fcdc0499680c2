#pragma once

#include <QPointer>
#include <QString>
#include <array>
#include <list>
#include <memory>
#include <optional>

#include "reports/report_data.h"
#include "reports/report_document.h"
#include "reports/report_failure.h"
#include "reports/report_layout.h"

class QObject;
class QPagedPaintDevice;

namespace mw::reports {

class CReportEngine;

// Where a job's window output goes: the title and placement of the preview
// and the window it lives in (the owner).
struct WindowOutput {
    QString title;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    unsigned style = 0;
    QObject* owner = nullptr;
};

// The report option record: its size and fourteen further 16-bit fields,
// kept as the program sets them.
struct ReportOptionRecord {
    static constexpr int kSize = 30;
    std::array<qint16, 15> fields{kSize};
    // The field at byte offset `offset` (even, 2 to 28).
    qint16& at(int offset) { return fields.at(static_cast<std::size_t>(offset / 2)); }
    bool operator==(const ReportOptionRecord&) const = default;
};

// A subreport as a job lists it: the number of its detail section and its
// name.
struct SubreportInfo {
    QString name;
    int section = 0;
};

// One open print job on a layout file. Its table 0 reads the database at its
// location, its record filter limits the main table's records, and its
// output is a window, the printer or a PDF file. A subreport job (opened by
// name from its parent) only carries its own table location.
class CReportJob {
public:
    ~CReportJob();
    CReportJob(const CReportJob&) = delete;
    CReportJob& operator=(const CReportJob&) = delete;

    const ReportLayout& layout() const { return *m_layout; }
    const QString& path() const { return m_path; }
    CReportJob* parent() const { return m_parent; }

    // "{Table.Column} = value", or empty for every record; false (with the
    // job's error) when it is not understood.
    bool SetFilterFormula(const QString& formula);
    QString filterFormula() const { return m_formula; }

    TableLocation GetTableLocation(int table) const;
    bool SetTableLocation(int table, const TableLocation& location);

    ReportOptionRecord GetOptionRecord() const { return m_options; }
    void SetOptionRecord(const ReportOptionRecord& options) { m_options = options; }

    // The data database whose hop utilization the predictions use.
    void setReferenceDatabase(const QString& path) { m_reference = path; }
    // Replaces the layout's paper (page setup).
    void setPaper(std::optional<PaperSize> paper) { m_paper = paper; }

    // Outputs: only stored here; Run produces them.
    bool SetWindowOutput(const WindowOutput& output);
    bool isWindowOutput() const { return m_toWindow; }
    const WindowOutput& windowOutput() const { return m_window; }
    // The printer: `device` is painted with `copies` copies' worth of pages
    // left to the device. Clears the window output.
    bool SetPrinterOutput(int copies, QPagedPaintDevice* device);
    // A PDF file. Clears the window output.
    bool SetFileOutput(const QString& pdfPath);

    // Reads the records, lays the pages out and sends them to the output;
    // false with the job's error when anything fails.
    bool Run();
    // The preview window the last window output made (null when none).
    QObject* GetPreviewWindow() const { return m_preview; }
    // The pages the last Run laid out.
    std::shared_ptr<const ReportDocument> document() const { return m_document; }

    int GetErrorCode() const { return m_errorCode; }
    QString GetErrorText() const { return m_errorText; }

    // Subreports by detail section: the i-th subreport of a record layout
    // sits in section 4000 + 25 i (i from 1). A handle of 0 is none.
    int GetSubreport(int section, int index) const;
    std::optional<SubreportInfo> GetSubreportInfo(int handle) const;
    // A subreport job by name, or null with this job's error set.
    CReportJob* OpenSubreport(const QString& name);
    void CloseSubreport(CReportJob* subreport);
    int subreportJobCount() const { return static_cast<int>(m_subJobs.size()); }

    static constexpr int kFirstSection = 4000;
    static constexpr int kSectionStep = 25;

private:
    friend class CReportEngine;
    CReportJob(std::shared_ptr<const ReportLayout> layout, QString path, CReportJob* parent,
               int subreport);
    void setError(const ReportFailure& failure);

    std::shared_ptr<const ReportLayout> m_layout;
    QString m_path;
    CReportJob* m_parent = nullptr;
    int m_subreport = -1;  // a subreport job: its index in the layout
    std::list<std::unique_ptr<CReportJob>> m_subJobs;

    QString m_formula;
    std::optional<RecordFilter> m_filter;
    TableLocation m_location;
    QVector<TableLocation> m_subLocations;
    ReportOptionRecord m_options;
    QString m_reference;
    std::optional<PaperSize> m_paper;

    enum class Output { None, Window, Printer, File };
    Output m_output = Output::None;
    bool m_toWindow = false;
    WindowOutput m_window;
    QPagedPaintDevice* m_printer = nullptr;
    int m_copies = 1;
    QString m_pdfPath;

    std::shared_ptr<const ReportDocument> m_document;
    QPointer<QObject> m_preview;
    int m_errorCode = 0;
    QString m_errorText;
    CReportEngine* m_engine = nullptr;
};

}  // namespace mw::reports
