#pragma once

#include <functional>
#include <optional>

#include "refdata/add_chg_dao.h"
#include "storage/data_records.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace mw::refdata {

class CTenthsSpinButton;

// "Add/Change Hops Data": a hop variety with its alpha acid and the
// variety's alpha range (each with a spin button stepping a tenth), origin,
// storage stability and up to four substitute hops chosen from the hop
// lookup. Refresh is enabled only while the record has changes.
class CHopsDlg final : public CAddChgOf<storage::CRecordSetHops> {
    Q_OBJECT

public:
    // Asks for a hop's name (the hop lookup); none when the user cancelled.
    using HopChooser = std::function<std::optional<QString>(QWidget* parent)>;

    CHopsDlg(const ReferenceDialogContext& context, QWidget* parent = nullptr);

    void OnRecordRefresh() override;

    // The substitutes' "+" and "-".
    void OnAddSubstitute();
    void OnRemoveSubstitute();
    void setHopChooser(HopChooser chooser) { m_chooseHop = std::move(chooser); }

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* alphaField() const { return m_alpha; }
    QLineEdit* lowField() const { return m_low; }
    QLineEdit* highField() const { return m_high; }
    CTenthsSpinButton* alphaSpin() const { return m_alphaSpin; }
    CTenthsSpinButton* lowSpin() const { return m_lowSpin; }
    CTenthsSpinButton* highSpin() const { return m_highSpin; }
    QListWidget* substitutes() const { return m_substitutes; }
    QPushButton* addSubstituteButton() const { return m_plus; }
    QPushButton* removeSubstituteButton() const { return m_minus; }

protected:
    QString indexName() const override { return QStringLiteral("IndexHopsNameAlpha"); }
    void bindFields(RecordFields& fields) override;
    int tableWordNumber() const override;
    QString keyText() const override;
    bool checkRecord() override;
    void SetNewRecordDefaults() override;
    void SetNewRecordScreenDefaults() override;
    void fillExtraControls() override;
    bool readExtraControls() override;
    void attachExtraHints(shell::CHintBalloon& hints) override;
    bool refreshOnlyWhenDirty() const override { return true; }

private:
    void spin(QLineEdit* field, CTenthsSpinButton* button, int step);
    void updateSubstituteButtons();

    HopChooser m_chooseHop;
    QLineEdit* m_name;
    QLineEdit* m_alpha;
    QLineEdit* m_low;
    QLineEdit* m_high;
    QLineEdit* m_origin;
    CTenthsSpinButton* m_alphaSpin;
    CTenthsSpinButton* m_lowSpin;
    CTenthsSpinButton* m_highSpin;
    QList<QAbstractButton*> m_stability;
    QListWidget* m_substitutes;
    QPushButton* m_plus;
    QPushButton* m_minus;
    QPlainTextEdit* m_comments;
};

}  // namespace mw::refdata
