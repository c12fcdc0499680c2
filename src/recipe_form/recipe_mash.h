#pragma once

#include <QList>
#include <array>

#include "recipe_form/recipe_page.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CHintBalloon;
}

namespace mw::recipe_form {

// The "Mash" page: the mash type, up to four mash steps (time, water volume,
// temperature), the pH adjustments, the sparge, the wort collected and the
// system efficiency. The mash type decides which step fields are open and
// what their hints say; for a single-stage infusion the first step is the
// strike. Nothing is calculated here.
class CRecipeMash final : public CRecipePage {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 176;

    // Mash types as RecipeMashType holds them; -1 is none chosen.
    enum MashType { NoMashType = -1, SingleStageInfusion = 0, StepInfusion = 1, Decoction = 2 };
    static constexpr int kSteps = 4;

    CRecipeMash(PromptService& prompts, HelpService* help, QWidget* parent = nullptr);

    // Refreshes what the page derives from the record: the open step fields,
    // the volume unit and the "Calculated" efficiency box.
    void enterRecord() override;
    // The page became the current tab: the same refresh.
    void activate() override;

    shell::CHintBalloon* hintBalloon() const { return m_hints; }
    // The catalogue number of the hint a step field shows for the current
    // mash type; 0 for any other field.
    int stepHint(const QWidget* field) const;

    QRadioButton* typeButton(int type) const { return m_type[static_cast<std::size_t>(type)]; }
    QLineEdit* timeField(int step) const { return m_time[index(step)]; }
    QLineEdit* volumeField(int step) const { return m_volume[index(step)]; }
    QLineEdit* temperatureField(int step) const { return m_temperature[index(step)]; }
    QLabel* stepLabel(int step) const { return m_stepLabel[index(step)]; }
    QLineEdit* mashPhField() const { return m_mashPh; }
    QLineEdit* spargeVolumeField() const { return m_spargeVolume; }
    QLineEdit* spargeTemperatureField() const { return m_spargeTemperature; }
    QLineEdit* spargePhField() const { return m_spargePh; }
    QLineEdit* wortCollectedField() const { return m_wortCollected; }
    QLineEdit* expectedEfficiencyField() const { return m_expectedEfficiency; }
    QLabel* calculatedEfficiency() const { return m_calculatedEfficiency; }
    QLabel* volumeUnits() const { return m_volumeUnits; }
    QPushButton* helpButton() const { return m_help; }

protected:
    void doShowRecord(storage::CRecordSetRecipe& record) override;
    bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) override;

private:
    static std::size_t index(int step) { return static_cast<std::size_t>(step - 1); }

    void buildControls();
    void addHints();
    // A type button was clicked: the record takes the page's values, then
    // the fields follow the new type.
    void typeClicked();
    int currentMashType() const;
    void applyMashType(int type);
    void refreshDerived();
    QList<QAbstractButton*> typeGroup() const;

    PromptService& m_prompts;
    HelpService* m_helpService;

    std::array<QRadioButton*, 3> m_type{};
    std::array<QLabel*, kSteps> m_stepLabel{};
    std::array<QLineEdit*, kSteps> m_time{};
    std::array<QLineEdit*, kSteps> m_volume{};
    std::array<QLineEdit*, kSteps> m_temperature{};
    QLabel* m_volumeUnits = nullptr;
    QLineEdit* m_mashPh = nullptr;
    QLineEdit* m_spargeVolume = nullptr;
    QLineEdit* m_spargeTemperature = nullptr;
    QLineEdit* m_spargePh = nullptr;
    QLineEdit* m_wortCollected = nullptr;
    QLineEdit* m_expectedEfficiency = nullptr;
    QLabel* m_calculatedEfficiency = nullptr;
    QPushButton* m_help = nullptr;
    shell::CHintBalloon* m_hints = nullptr;
};

}  // namespace mw::recipe_form
