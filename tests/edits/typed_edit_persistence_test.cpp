#include "platform/system/ini_file.h"
#include "typed_edit_fixture.h"

#include <cstdlib>
#include <filesystem>

namespace {

class TypedEditPersistence : public TypedEdits
{
protected:
    void SetUp() override
    {
        TypedEdits::SetUp();
        char pattern[] = "/tmp/qm_persist_XXXXXX";
        folder = mkdtemp(pattern);
        const char* config = std::getenv("XDG_CONFIG_HOME");
        savedConfig = config ? std::optional<std::string>(config) : std::nullopt;
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    void TearDown() override
    {
        if (savedConfig)
            setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(folder);
        TypedEdits::TearDown();
    }
    // An edit named name that keeps its value in the file (or the user's settings under key).
    TVezEdit* Persisted(const std::string& name, TPersistenceLocation location, const std::string& key,
                        const std::string& section, const std::function<void(TVezEdit*)>& more = {})
    {
        return NewEdit(20, 100, [&](TVezEdit* e) {
            e->SetName(name);
            e->Persistence()->SetEnable(true);
            e->Persistence()->SetLocation(location);
            e->Persistence()->SetKey(key);
            e->Persistence()->SetSection(section);
            if (more)
                more(e);
        });
    }

    std::string folder;
    std::optional<std::string> savedConfig;
};

TEST_F(TypedEditPersistence, TheValueGoesToTheFileAndComesBackWithItsPrefix)
{
    for (const TPersistenceLocation location : {plInifile, plRegistry}) {
        const std::string key = location == plInifile ? folder + "/values.ini" : "Quillmark/Test";
        const std::string file = location == plInifile ? key : folder + "/Quillmark.Test.ini";
        TVezEdit* saved =
            Persisted("edCity", location, key, "Values", [](TVezEdit* e) { e->SetPrefix("+"); });
        saved->SetText("49");
        saved->Free();
        EXPECT_EQ(TIniFile(file).ReadString("Values", "edCity", ""), "+49") << location;

        TVezEdit* loaded =
            Persisted("edCity", location, key, "Values", [](TVezEdit* e) { e->SetPrefix("+"); });
        EXPECT_EQ(Shown(loaded), "+49") << location;
        EXPECT_EQ(loaded->Text(), "49") << location;
        loaded->Free();
    }
}

TEST_F(TypedEditPersistence, AFlatEditLoadsTheSavedValueNotTheBuiltOne)
{
    // Turning flat re-makes the window while loading; that must not save over the kept value.
    const std::string file = folder + "/flat.ini";
    TVezEdit* saved = Persisted("edFlat", plInifile, file, "Values");
    saved->SetText("kept");
    saved->Free();
    TVezEdit* loaded = Persisted("edFlat", plInifile, file, "Values", [](TVezEdit* e) {
        e->SetFlat(true);
        static_cast<TControl*>(e)->SetText("built");
    });
    EXPECT_EQ(loaded->BorderStyle(), bsNone);
    EXPECT_EQ(Shown(loaded), "kept");
    loaded->Persistence()->SetEnable(false);
}

TEST_F(TypedEditPersistence, AValueNeverSavedLeavesTheEditAsBuilt)
{
    TVezEdit* e = Persisted("edNew", plInifile, folder + "/none.ini", "Values",
                            [](TVezEdit* x) { static_cast<TControl*>(x)->SetText("designed"); });
    EXPECT_EQ(Shown(e), "designed");
    // Without a section nothing is loaded; saving to an INI file names the section after the edit.
    TVezEdit* unnamed = Persisted("edUnnamed", plInifile, folder + "/named.ini", "");
    unnamed->SetText("v");
    unnamed->Free();
    EXPECT_EQ(TIniFile(folder + "/named.ini").ReadString("edUnnamed", "edUnnamed", ""), "v");
    // The user's settings keep no edit without a section.
    TVezEdit* nowhere = Persisted("edNowhere", plRegistry, "Quillmark/None", "");
    nowhere->SetText("v");
    nowhere->Free();
    EXPECT_FALSE(std::filesystem::exists(folder + "/Quillmark.None.ini"));
    // An INI file without a name is the program's, with ".INI".
    TVezEdit* program = Persisted("edProgram", plInifile, "", "Values");
    EXPECT_TRUE(program->Persistence()->Key().ends_with("/test_edits.INI")) << program->Persistence()->Key();
    program->Persistence()->SetEnable(false);
}

TEST_F(TypedEditPersistence, TheLookupHistoryIsWrittenAndAppendedOnLoad)
{
    const std::string file = folder + "/history.ini";
    const auto withHistory = [](TVezEdit* e) {
        e->Lookup()->SetEnabled(true);
        e->Lookup()->SetHistory(true);
    };
    TVezEdit* saved = Persisted("edFruit", plInifile, file, "Lookup", withHistory);
    saved->Lookup()->DisplayList()->SetCommaText("apple,pear,plum");
    saved->Lookup()->ValueList()->SetCommaText("1,2,3");
    saved->Free();
    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger("Lookup", "LOOKUPCOUNT", 0), 3);
    EXPECT_EQ(ini.ReadString("Lookup", "LOOKUPDISPL3", ""), "plum");
    EXPECT_EQ(ini.ReadString("Lookup", "LOOKUPVAL2", ""), "2");

    TVezEdit* loaded = Persisted("edFruit", plInifile, file, "Lookup", [&](TVezEdit* e) {
        withHistory(e);
        e->Lookup()->DisplayList()->SetCommaText("kiwi");
    });
    EXPECT_EQ(loaded->Lookup()->DisplayList()->CommaText(), "kiwi,apple,pear,plum");
    EXPECT_EQ(loaded->Lookup()->ValueList()->CommaText(), "1,2,3");
    loaded->Persistence()->SetEnable(false);
    loaded->Free();

    // A damaged count reads no further than the keys the section holds (eight here), at once.
    TIniFile(file).WriteInteger("Lookup", "LOOKUPCOUNT", INT32_MAX);
    TVezEdit* damaged = Persisted("edFruit", plInifile, file, "Lookup", withHistory);
    EXPECT_EQ(damaged->Lookup()->DisplayList()->CommaText(), "apple,pear,plum");
    EXPECT_EQ(damaged->Lookup()->ValueList()->Count(), 8);
    EXPECT_EQ(damaged->Lookup()->ValueList()->Strings(2), "3");
    damaged->Persistence()->SetEnable(false);
}

} // namespace
