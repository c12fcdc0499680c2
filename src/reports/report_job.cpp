#include "reports/report_job.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <new>

#include "reports/report_composer.h"
#include "reports/report_engine.h"

namespace mw::reports {

CReportJob::CReportJob(std::shared_ptr<const ReportLayout> layout, QString path, CReportJob* parent,
                       int subreport)
    : m_layout(std::move(layout)),
      m_path(std::move(path)),
      m_parent(parent),
      m_subreport(subreport) {
    m_subLocations.resize(m_layout->subreports.size());
}

CReportJob::~CReportJob() {
    m_subJobs.clear();
}

void CReportJob::setError(const ReportFailure& failure) {
    m_errorCode = failure.code;
    m_errorText = failure.text;
}

bool CReportJob::SetFilterFormula(const QString& formula) {
    try {
        m_filter = parseFilterFormula(formula, m_layout->table);
        m_formula = formula;
        return true;
    } catch (const ReportFailure& failure) {
        setError(failure);
        return false;
    }
}

TableLocation CReportJob::GetTableLocation(int table) const {
    if (table != 0) {
        return TableLocation{};
    }
    if (m_parent != nullptr) {
        return m_parent->m_subLocations.value(m_subreport);
    }
    return m_location;
}

bool CReportJob::SetTableLocation(int table, const TableLocation& location) {
    if (table != 0) {
        return false;
    }
    if (m_parent != nullptr) {
        m_parent->m_subLocations[m_subreport] = location;
    } else {
        m_location = location;
    }
    return true;
}

bool CReportJob::SetWindowOutput(const WindowOutput& output) {
    m_window = output;
    m_toWindow = true;
    m_output = Output::Window;
    return true;
}

bool CReportJob::SetPrinterOutput(int copies, QPagedPaintDevice* device) {
    m_toWindow = false;
    m_output = Output::Printer;
    m_printer = device;
    m_copies = copies;
    return device != nullptr;
}

bool CReportJob::SetFileOutput(const QString& pdfPath) {
    m_toWindow = false;
    m_output = Output::File;
    m_pdfPath = pdfPath;
    return true;
}

bool CReportJob::Run() {
    m_errorCode = 0;
    m_errorText.clear();
    try {
        if (m_output == Output::None || (m_output == Output::Printer && m_printer == nullptr)) {
            fail(error::kNoOutput);
        }
        ReportSources sources;
        sources.main = m_location;
        sources.subreports = m_subLocations;
        sources.referenceDatabase = m_reference;
        sources.filter = m_filter;
        const ReportData data = readReportData(*m_layout, sources);
        m_document =
            std::make_shared<const ReportDocument>(composeReport(*m_layout, data, m_paper));

        switch (m_output) {
            case Output::Window: {
                const bool canShow = m_engine != nullptr && m_engine->previewFactory();
                m_preview = canShow ? m_engine->previewFactory()(m_document, m_window) : nullptr;
                if (m_preview == nullptr) {
                    fail(error::kNoOutput);
                }
                break;
            }
            case Output::Printer:
                if (!paintDocument(*m_document, *m_printer)) {
                    fail(error::kOutputUnwritable, {m_layout->title});
                }
                break;
            case Output::File: {
                const QString shown = QDir::toNativeSeparators(m_pdfPath);
                const QFileInfo target(m_pdfPath);
                if (m_pdfPath.isEmpty() || target.isDir() || !target.dir().exists()) {
                    fail(error::kOutputUnwritable, {shown});
                }
                bool painted = false;
                {
                    QPdfWriter writer(m_pdfPath);
                    writer.setTitle(m_layout->title);
                    writer.setCreator(QStringLiteral("Maltwise Calculator"));
                    painted = paintDocument(*m_document, writer);
                }
                if (!painted) {
                    // A file cut short is no report.
                    QFile::remove(m_pdfPath);
                    fail(error::kOutputUnwritable, {shown});
                }
                break;
            }
            case Output::None:
                break;
        }
        return true;
    } catch (const ReportFailure& failure) {
        setError(failure);
    } catch (const std::bad_alloc&) {
        m_errorCode = error::kOutOfMemory;
        m_errorText.clear();
    }
    return false;
}

int CReportJob::GetSubreport(int section, int index) const {
    if (index != 0 || section <= kFirstSection || (section - kFirstSection) % kSectionStep != 0) {
        return 0;
    }
    const int i = (section - kFirstSection) / kSectionStep;
    return i <= m_layout->subreports.size() ? i : 0;
}

std::optional<SubreportInfo> CReportJob::GetSubreportInfo(int handle) const {
    if (handle < 1 || handle > m_layout->subreports.size()) {
        return std::nullopt;
    }
    return SubreportInfo{m_layout->subreports[handle - 1].name,
                         kFirstSection + kSectionStep * handle};
}

CReportJob* CReportJob::OpenSubreport(const QString& name) {
    for (qsizetype i = 0; i < m_layout->subreports.size(); ++i) {
        if (m_layout->subreports[i].name == name) {
            std::unique_ptr<CReportJob> sub(
                new CReportJob(m_layout, m_path, this, static_cast<int>(i)));
            sub->m_engine = m_engine;
            m_subJobs.push_back(std::move(sub));
            return m_subJobs.back().get();
        }
    }
    setError(ReportFailure{error::kNoSuchSubreport, reportText(error::kNoSuchSubreport, {name})});
    return nullptr;
}

void CReportJob::CloseSubreport(CReportJob* subreport) {
    m_subJobs.remove_if(
        [subreport](const std::unique_ptr<CReportJob>& j) { return j.get() == subreport; });
}

}  // namespace mw::reports
