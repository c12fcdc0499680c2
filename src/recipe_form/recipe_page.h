#pragma once

#include <QString>
#include <QWidget>

namespace mw::storage {
class CRecordSetRecipe;
}
namespace mw::shell {
class CHintBalloon;
}

namespace mw::recipe_form {

class RecordExchange;

// One page of the recipe form's tab sheet (Recipe, Ingredients, Mash,
// Fermentation Info, Comments, Rating). The form owns the record; a page
// reaches it through the pointer the form gives it and transfers nothing
// while it has none.
//
// Change tracking: while the page is visible, and not while it is showing a
// record, a text change of an edit box, a click on a button (other than the
// page's Help button) and a date change emit modified().
class CRecipePage : public QWidget {
    Q_OBJECT

public:
    CRecipePage(QString title, int helpTopic, QWidget* parent = nullptr);

    // The tab's caption ("Mash").
    const QString& title() const { return m_title; }
    // The page's help topic, for its Help button and F1.
    int helpTopic() const { return m_helpTopic; }

    void setRecord(storage::CRecordSetRecipe* record) { m_record = record; }
    storage::CRecordSetRecipe* record() const { return m_record; }

    // Record to controls, without counting as a change.
    void showRecord();
    // Controls to record. False when a value did not convert: the message
    // has been shown and the focus is on the field. The other fields are
    // transferred all the same.
    bool readRecord(RecordExchange& exchange);
    // A recipe was entered (a move, a delete, the log's request): refresh
    // what the page derives from the record. Runs after showRecord().
    virtual void enterRecord() {}
    // The page came to the front: refresh what it derives from the record.
    virtual void activate() {}
    // Field hints show only while this is on (the "DisplayToolTips" setting).
    virtual void setHintsActive(bool active);

signals:
    void modified();

protected:
    virtual void doShowRecord(storage::CRecordSetRecipe& record) = 0;
    virtual bool doReadRecord(storage::CRecordSetRecipe& record, RecordExchange& exchange) = 0;

    // Watches the page's edit boxes, buttons, check boxes and date fields
    // for the changes that mark the recipe changed; `except` (the Help
    // button) is left out. Call once the controls exist.
    void trackChanges(const QWidget* except = nullptr);
    // For controls trackChanges does not know: counts as a change when the
    // page is visible and not showing a record.
    void noteChange();
    bool isShowingRecord() const { return m_showing; }
    // The balloon that shows the page's field hints (setHintsActive).
    void setHintBalloon(shell::CHintBalloon* hints) { m_hintBalloon = hints; }

private:
    QString m_title;
    int m_helpTopic;
    storage::CRecordSetRecipe* m_record = nullptr;
    bool m_showing = false;
    shell::CHintBalloon* m_hintBalloon = nullptr;
};

}  // namespace mw::recipe_form
