#pragma once

#include <QFile>
#include <QHeaderView>
#include <QTreeWidget>
#include <QtTest>

#include "recipe_form/ingredient_lookups.h"
#include "shell/shell_fixture.h"
#include "storage/database.h"
#include "storage/seed_data.h"
#include "storage/settings.h"
#include "support/shared_databases.h"

namespace mw::test {

enum class Kind { Adjunct, FermentableOnly, Priming, Extract, Grain, Hop, Kit, Yeast };

// Settings, scripted message boxes and help in a temporary folder, with a
// data database made from the shipped seed data, shared by every test class.
class LookupFixture : public ShellFixture {
public:
    void makeSeededDatabase() {
        m_seeded = sharedDataDatabase();
        useDataFile(m_seeded);
    }
    const QString& seeded() const { return m_seeded; }

    void useDataFile(const QString& file) {
        settings->setString(storage::Setting::DefaultDataFile, file);
    }
    // A copy of the seeded database a test may change, made the data file.
    QString useCopyOfSeeded(const QString& name) {
        const QString copy = path(name);
        QFile::remove(copy);
        QFile::copy(m_seeded, copy);
        useDataFile(copy);
        return copy;
    }

    template <typename Lookup>
    std::unique_ptr<Lookup> lookup() {
        return std::make_unique<Lookup>(*settings, prompts, &help);
    }

    std::unique_ptr<recipe_form::CLookupDlg> lookupOf(Kind kind) {
        using namespace recipe_form;
        switch (kind) {
            case Kind::Adjunct:
                return lookup<CLookupAdjunct>();
            case Kind::FermentableOnly: {
                auto adjunct = lookup<CLookupAdjunct>();
                adjunct->setFermentableOnly(true);
                return adjunct;
            }
            case Kind::Priming: {
                auto adjunct = lookup<CLookupAdjunct>();
                adjunct->setPriming(true);
                return adjunct;
            }
            case Kind::Extract:
                return lookup<CLookupExtract>();
            case Kind::Grain:
                return lookup<CLookupGrain>();
            case Kind::Hop:
                return lookup<CLookupHop>();
            case Kind::Kit:
                return lookup<CLookupKit>();
            case Kind::Yeast:
                return lookup<CLookupYeast>();
        }
        return nullptr;
    }

    // The texts of one list column, top to bottom.
    static QStringList column(const QTreeWidget* list, int c) {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            texts << list->topLevelItem(i)->text(c);
        }
        return texts;
    }

    // Selects the first row whose leading columns read `texts`.
    static bool selectRow(recipe_form::CLookupDlg& dialog, const QStringList& texts) {
        QTreeWidget* list = dialog.list();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            bool match = true;
            for (int c = 0; c < texts.size(); ++c) {
                match = match && item->text(c) == texts[c];
            }
            if (match) {
                list->setCurrentItem(item);
                return true;
            }
        }
        return false;
    }

    // Clicks a column heading of a shown list.
    static void clickHeading(QTreeWidget* list, int c) {
        QHeaderView* header = list->header();
        const QPoint at(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

private:
    QString m_seeded;
};

// A table read straight from the file with its record class, to compare with
// what a lookup hands back.
template <typename Record>
class DirectRead {
public:
    explicit DirectRead(const QString& file) {
        m_database.open(file);
        m_record = std::make_unique<Record>(&m_database);
        m_record->open();
    }
    // Moves to the first record for which `match` holds.
    template <typename Match>
    bool find(Match match) {
        for (m_record->moveFirst(); !m_record->isEOF(); m_record->moveNext()) {
            if (match(*m_record)) {
                return true;
            }
        }
        return false;
    }
    const Record& operator*() const { return *m_record; }
    const Record* operator->() const { return m_record.get(); }
    Record& record() { return *m_record; }
    storage::Database& database() { return m_database; }

private:
    storage::Database m_database;
    std::unique_ptr<Record> m_record;
};

}  // namespace mw::test

Q_DECLARE_METATYPE(mw::test::Kind)
