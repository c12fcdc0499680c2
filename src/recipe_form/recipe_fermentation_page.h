#pragma once

#include <QList>
#include <array>
#include <functional>
#include <optional>

#include "recipe_form/recipe_page.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace mw {
class HelpService;
class PromptService;
}  // namespace mw
namespace mw::shell {
class CHintBalloon;
}
namespace mw::storage {
class Settings;
}

namespace mw::recipe_form {

class CDatePicker;

// The "Fermentation Info" page: the measured gravities with the temperature
// of each reading, the predicted original gravity, the fermentation type and
// schedule, the brew, racking and bottling dates, the boil and batch sizes,
// the yield, the priming and the length of conditioning.
//
// The form owns the calculations: it hands the page a function that runs
// the recalculation and returns the predicted original gravity, and one
// that takes the predicted gravity back when the page is read.
class CRecipeSpecGravities final : public CRecipePage {
    Q_OBJECT

public:
    static constexpr int kHelpTopic = 177;
    // "Temp Adjust...": correcting hydrometer readings for temperature.
    static constexpr int kTemperatureCorrectionTopic = 98410;

    // Runs a lookup of priming methods; the chosen name, or nothing when the
    // brewer cancelled (or there was nothing to choose from).
    using PrimingLookup = std::function<std::optional<QString>(QWidget* parent)>;

    // The adjunct lookup in priming mode over the data database.
    static PrimingLookup adjunctPrimingLookup(storage::Settings& settings, PromptService& prompts,
                                              HelpService* help);

    explicit CRecipeSpecGravities(HelpService* help, QWidget* parent = nullptr);

    // Recalculates the recipe and returns the predicted original gravity.
    void setPredictOriginalGravity(std::function<double()> predict) {
        m_predict = std::move(predict);
    }
    // Receives the number in the "Predicted" box whenever the page is read.
    void setPredictedGravityReader(std::function<void(double)> take) {
        m_takePredicted = std::move(take);
    }
    void setPrimingLookup(PrimingLookup lookup) { m_primingLookup = std::move(lookup); }

    // The page became the current tab. The first time this only notes it;
    // afterwards the prediction is recalculated, the record shown, and the
    // form asked to count the recipe as unchanged.
    void activate() override;

    // The page's copy of the predicted original gravity.
    double predictedOriginalGravity() const { return m_predicted; }

    shell::CHintBalloon* hintBalloon() const { return m_hints; }

    QLineEdit* originalGravityField() const { return m_gravity[0]; }
    QLineEdit* rackingGravityField() const { return m_gravity[1]; }
    QLineEdit* finalGravityField() const { return m_gravity[2]; }
    QLineEdit* originalTemperatureField() const { return m_gravityTemperature[0]; }
    QLineEdit* rackingTemperatureField() const { return m_gravityTemperature[1]; }
    QLineEdit* finalTemperatureField() const { return m_gravityTemperature[2]; }
    QLabel* predictedGravity() const { return m_predictedBox; }
    QRadioButton* fermentationButton(int type) const {
        return m_fermentation[static_cast<std::size_t>(type)];
    }
    QLineEdit* primaryDaysField() const { return m_primaryDays; }
    QLineEdit* primaryTemperatureField() const { return m_primaryTemperature; }
    QLineEdit* secondaryDaysField() const { return m_secondaryDays; }
    QLineEdit* secondaryTemperatureField() const { return m_secondaryTemperature; }
    CDatePicker* brewedDate() const { return m_brewed; }
    CDatePicker* rackedDate() const { return m_racked; }
    CDatePicker* bottledDate() const { return m_bottled; }
    QLineEdit* boilSizeField() const { return m_boilSize; }
    QLineEdit* batchSizeField() const { return m_batchSize; }
    QPlainTextEdit* yieldBox() const { return m_yield; }
    QLineEdit* primingMethodField() const { return m_primingMethod; }
    QLineEdit* primingAmountField() const { return m_primingAmount; }
    QLineEdit* primingUnitsField() const { return m_primingUnits; }
    QPushButton* selectMethodButton() const { return m_selectMethod; }
    QLineEdit* conditioningField() const { return m_conditioning; }
    QComboBox* conditioningUnitsBox() const { return m_conditioningUnits; }
    QPushButton* temperatureAdjustButton() const { return m_temperatureAdjust; }
    QPushButton* helpButton() const { return m_help; }

signals:
    // The form counts the recipe as unchanged from here on.
    void unmodified();

protected:
    void doShowRecord(storage::CRecordSetRecipe& record) override;
    bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGravities();
    QWidget* buildFermentation();
    QWidget* buildDates();
    QWidget* buildSizes();
    QWidget* buildYield();
    QWidget* buildPriming();
    QWidget* buildConditioning();
    void addHints();
    QList<QAbstractButton*> fermentationGroup() const;
    // The "Boil" box lost the focus: a changed size is stored and the
    // prediction recalculated at once.
    void boilSizeLeft();
    void selectPrimingMethod();

    HelpService* m_helpService;
    std::function<double()> m_predict;
    std::function<void(double)> m_takePredicted;
    PrimingLookup m_primingLookup;
    double m_predicted = 0.0;
    bool m_firstActivation = true;

    // Original, racking, final.
    std::array<QLineEdit*, 3> m_gravity{};
    std::array<QLineEdit*, 3> m_gravityTemperature{};
    QLabel* m_predictedBox = nullptr;
    std::array<QRadioButton*, 3> m_fermentation{};
    QLineEdit* m_primaryDays = nullptr;
    QLineEdit* m_primaryTemperature = nullptr;
    QLineEdit* m_secondaryDays = nullptr;
    QLineEdit* m_secondaryTemperature = nullptr;
    CDatePicker* m_brewed = nullptr;
    CDatePicker* m_racked = nullptr;
    CDatePicker* m_bottled = nullptr;
    QLineEdit* m_boilSize = nullptr;
    QLineEdit* m_batchSize = nullptr;
    QPlainTextEdit* m_yield = nullptr;
    QLineEdit* m_primingMethod = nullptr;
    QLineEdit* m_primingAmount = nullptr;
    QLineEdit* m_primingUnits = nullptr;
    QPushButton* m_selectMethod = nullptr;
    QLineEdit* m_conditioning = nullptr;
    QComboBox* m_conditioningUnits = nullptr;
    QPushButton* m_temperatureAdjust = nullptr;
    QPushButton* m_help = nullptr;
    shell::CHintBalloon* m_hints = nullptr;
};

}  // namespace mw::recipe_form
