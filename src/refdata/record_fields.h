#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace mw {
class PromptService;
}
namespace mw::shell {
class CHintBalloon;
}
namespace mw::storage {
class Recordset;
}

namespace mw::refdata {

// The controls of a reference-data dialog bound to the columns of its record:
// text and number fields, multi-line comments, drop-down lists, check boxes
// and radio groups (stored as the index of the chosen button, counted from 0
// in screen order).
//
// show() puts the record's values into the controls; read() takes them back,
// refusing a number field that holds text (its message names the field, the
// focus goes to it, and nothing is taken). An empty number field, or a radio
// group with no button chosen, stores a null column. Every change the user
// makes to a bound control emits changed(); values put in by show() do not.
class RecordFields : public QObject {
    Q_OBJECT

public:
    enum Flag : unsigned {
        None = 0,
        // The check for required data reads it, in binding order.
        Required = 1u << 0,
        // A new record holds an empty text rather than null.
        NotNullOnNew = 1u << 1,
        // Numbers show at least one decimal ("1.0", "5.25").
        OneDecimal = 1u << 2,
    };

    RecordFields(PromptService& prompts, QObject* parent = nullptr);
    ~RecordFields() override;

    // The record object the members below belong to; its null flags are kept.
    void setRecord(storage::Recordset* record) { m_record = record; }

    void text(QLineEdit* edit, QString& column, int hint, unsigned flags = None);
    void text(QPlainTextEdit* edit, QString& column, int hint, unsigned flags = None);
    void number(QLineEdit* edit, double& column, int hint, unsigned flags = None);
    // A drop-down list of fixed texts; a stored text the list lacks is added
    // to it, so that showing a record never loses its value.
    void choice(QComboBox* list, QString& column, int hint, unsigned flags = None);
    void check(QAbstractButton* box, bool& column, int hint);
    void radio(const QList<QAbstractButton*>& group, qint32& column, int hint);

    void show();
    bool read();
    // Every bound control empty (no record on screen).
    void clear();

    // The first required control that is empty (blanks count as empty), or null.
    QWidget* firstEmptyRequired() const;
    // A new record: every column null, the NotNullOnNew texts empty.
    void setNewRecordDefaults();

    // Registers each control's hint; a radio group's hint goes on every button.
    void attachHints(shell::CHintBalloon& hints) const;
    void setControlsEnabled(bool enabled);
    // The first bound control in binding order.
    QWidget* firstControl() const;

    // Shows a number as the bound fields do.
    static QString numberText(double value, unsigned flags);

signals:
    void changed();

private:
    struct Binding {
        std::function<void()> show;
        std::function<bool()> read;
        std::function<void()> clear;
        std::function<bool()> empty;
        std::function<void()> setNew;
        QList<QWidget*> controls;
        int hint = 0;
        unsigned flags = None;
    };

    void add(Binding binding);
    void userChange();
    void setNull(void* column, bool isNull);
    bool isNull(const void* column) const;

    PromptService& m_prompts;
    storage::Recordset* m_record = nullptr;
    std::vector<Binding> m_bindings;
    // True while show() or clear() fills the controls.
    bool m_filling = false;
};

}  // namespace mw::refdata
