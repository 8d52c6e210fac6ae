#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Names the window's classes, their files and the folders of src/ and tests/ by what they hold:
# the controller layer in controller/, the window's Qt part in window/, the profiles in
# profiles/, the panels, dialogs and controls by their role and without the C prefix. It moves
# the files (git mv), rewrites the identifiers, include paths, build lists and the documents'
# pictures of the folders in every tracked text file that still holds an old name, and
# clang-formats the C++ files it changed. It runs again at any time, on any branch: what is
# renamed stays as it is, and a file added under an old name or folder since is moved too. At
# the end it lists any old name still found, and fails if there is one. It works on the tracked
# files of the worktree it is started in (commit new files first):
#   scripts/rename_by_role.sh
#   git show main:scripts/rename_by_role.sh | bash     # on a branch that does not have it yet
set -euo pipefail
cd "$(git rev-parse --show-toplevel)"
self=scripts/rename_by_role.sh

# ---- files and folders ---------------------------------------------------------------------

# move OLD NEW: a tracked file to its new path; nothing when OLD is gone (moved already).
move() {
  [ -e "$1" ] || return 0
  mkdir -p "$(dirname "$2")"
  git mv "$1" "$2"
}
# move_unit OLD NEW: a class's header and source.
move_unit() { move "$1.h" "$2.h"; move "$1.cpp" "$2.cpp"; }
# move_folder OLD NEW: every tracked file under OLD to the same place under NEW.
move_folder() {
  local file files
  mapfile -t files < <(git ls-files -- "$1/")
  for file in "${files[@]}"; do move "$file" "$2/${file#"$1"/}"; done
}

move_unit src/app/ui/kestal_app src/window/application
move_unit src/app/ui/kestal_dlg src/window/main_window
move_unit src/panels/dlg_splash src/window/splash_screen
move_unit src/panels/dlg_advance src/panels/settings_column
move_unit src/panels/dlg_dpi_setting src/panels/dpi_panel
move_unit src/panels/dlg_lighting src/panels/lighting_panel
move_unit src/panels/dlg_usb_report_rate src/panels/polling_rate_panel
move_unit src/panels/dlg_speed_dial src/panels/speed_dial
move_unit src/panels/dlg_mouse_wheel_speed src/panels/wheel_panel
move_unit src/panels/config_dialog src/profiles/ui/profile_manager_dialog
move_unit src/panels/stage_color_dialog src/controls/stage_color_chooser
move_unit src/assign/ui/single_dialog src/assign/ui/key_capture_dialog
move_unit src/macro/ui/macro_dialog src/macro/ui/macro_picker
move_unit src/macro/ui/macro_program_dialog src/macro/ui/macro_manager_dialog
move_unit src/macro/ui/lb_editor_wnd src/controls/list_entry_editor
move_unit src/controls/bitmap_btn src/controls/skin_button
move_unit src/controls/ex_menu src/controls/skin_menu
move_unit src/controls/skin_scroll_wnd src/controls/scroll_frame

move tests/app/ui/test_kestal_dlg.cpp tests/window/test_main_window.cpp
move tests/panels/test_dlg_splash.cpp tests/window/test_splash_screen.cpp
move tests/panels/test_dlg_advance.cpp tests/panels/test_settings_column.cpp
move tests/panels/test_dlg_dpi_setting.cpp tests/panels/test_dpi_panel.cpp
move tests/panels/test_dlg_lighting.cpp tests/panels/test_lighting_panel.cpp
move tests/panels/test_config_dialog.cpp tests/profiles/ui/test_profile_manager_dialog.cpp
move tests/assign/ui/test_single_dialog.cpp tests/assign/ui/test_key_capture_dialog.cpp
move tests/macro/ui/test_macro_dialog.cpp tests/macro/ui/test_macro_picker.cpp
move tests/macro/ui/test_macro_program_dialog.cpp tests/macro/ui/test_macro_manager_dialog.cpp
move tests/macro/ui/test_lb_editor_wnd.cpp tests/controls/test_list_entry_editor.cpp
move tests/controls/test_bitmap_btn.cpp tests/controls/test_skin_button.cpp
move tests/controls/test_ex_menu.cpp tests/controls/test_skin_menu.cpp

move_folder src/app/ui src/window
move_folder src/app src/controller
move_folder src/config src/profiles
move_folder tests/app/ui tests/window
move_folder tests/app tests/controller
move_folder tests/config tests/profiles
# The folders left empty.
for folder in src/app src/config tests/app tests/config src/panels tests/panels; do
  [ ! -d "$folder" ] || find "$folder" -depth -type d -empty -delete
done

# ---- contents ------------------------------------------------------------------------------

# Old name -> new name, in this order: a file's path, its folder, a test program, a file name
# without its folder, a class, a test fixture. A folder is renamed in paths only: the user's
# "~/.config/vorlak" and the tests' "config/vorlak" stay.
read -r -d '' rules <<'PERL' || true
BEGIN {
  @paths = (
    ["app/ui/kestal_app", "window/application"], ["app/ui/kestal_dlg", "window/main_window"],
    ["panels/dlg_splash", "window/splash_screen"], ["panels/dlg_advance", "panels/settings_column"],
    ["panels/dlg_dpi_setting", "panels/dpi_panel"], ["panels/dlg_lighting", "panels/lighting_panel"],
    ["panels/dlg_usb_report_rate", "panels/polling_rate_panel"],
    ["panels/dlg_speed_dial", "panels/speed_dial"],
    ["panels/dlg_mouse_wheel_speed", "panels/wheel_panel"],
    ["panels/config_dialog", "profiles/ui/profile_manager_dialog"],
    ["panels/stage_color_dialog", "controls/stage_color_chooser"],
    ["assign/ui/single_dialog", "assign/ui/key_capture_dialog"],
    ["macro/ui/macro_dialog", "macro/ui/macro_picker"],
    ["macro/ui/macro_program_dialog", "macro/ui/macro_manager_dialog"],
    ["macro/ui/lb_editor_wnd", "controls/list_entry_editor"],
    ["controls/bitmap_btn", "controls/skin_button"], ["controls/ex_menu", "controls/skin_menu"],
    ["controls/skin_scroll_wnd", "controls/scroll_frame"],
  );
  @programs = (["test_app_ui", "test_window"], ["test_app", "test_controller"],
               ["test_config", "test_profiles"]);
  @stems = (
    ["kestal_app", "application"], ["kestal_dlg", "main_window"], ["dlg_splash", "splash_screen"],
    ["dlg_advance", "settings_column"], ["dlg_dpi_setting", "dpi_panel"],
    ["dlg_lighting", "lighting_panel"], ["dlg_usb_report_rate", "polling_rate_panel"],
    ["dlg_speed_dial", "speed_dial"], ["dlg_mouse_wheel_speed", "wheel_panel"],
    ["config_dialog", "profile_manager_dialog"], ["stage_color_dialog", "stage_color_chooser"],
    ["single_dialog", "key_capture_dialog"], ["macro_program_dialog", "macro_manager_dialog"],
    ["macro_dialog", "macro_picker"], ["lb_editor_wnd", "list_entry_editor"],
    ["bitmap_btn", "skin_button"], ["ex_menu", "skin_menu"], ["skin_scroll_wnd", "scroll_frame"],
  );
  @classes = (
    ["CKestalApp", "Application"], ["CKestalDlg", "MainWindow"],
    ["CDlgadvance", "SettingsColumn"], ["CSettingsPanel", "SettingsPanel"],
    ["CDlgDPISetting", "DpiPanel"], ["CDlgLighting", "LightingPanel"],
    ["CDlgUSBReportRate", "PollingRatePanel"], ["CDlgSpeedDial", "SpeedDial"],
    ["CDlgMouseSpeed", "PointerSpeedPanel"], ["CDlgDoubleClick", "DoubleClickPanel"],
    ["CDlgMouseWheelSpeed", "WheelPanel"], ["CDlgSplash", "SplashScreen"],
    ["CSingleDialog", "KeyCaptureDialog"], ["CMacroDialog", "MacroPicker"],
    ["CMacroProgramDialog", "MacroManagerDialog"], ["CLBEditorWnd", "ListEntryEditor"],
    ["CConfigDialog", "ProfileManagerDialog"], ["CBitmapBtn", "SkinButton"],
    ["CExMenu", "SkinMenu"], ["CMenuItemList", "MenuItemList"],
    ["CDMarkerV", "VerticalMarkerSlider"], ["CDMarker", "MarkerSlider"],
    ["CSkinScrollBar", "SkinScrollBar"], ["CSkinScrollWnd", "ScrollFrame"],
    ["CAssignmentMenus", "AssignmentMenus"],
    ["KestalDlgTest", "MainWindowTest"], ["DlgSplashTest", "SplashScreenTest"],
    ["ConfigDialogTest", "ProfileManagerDialogTest"], ["SingleDialogTest", "KeyCaptureDialogTest"],
    ["MacroDialogTest", "MacroPickerTest"], ["MacroProgramDialogTest", "MacroManagerDialogTest"],
    ["LbEditorTest", "ListEntryEditorTest"], ["BitmapBtnTest", "SkinButtonTest"],
    ["ExMenuLayoutTest", "SkinMenuLayoutTest"], ["ExMenuTest", "SkinMenuTest"],
    ["ExMenuStyle", "SkinMenuStyle"], ["SkinScrollWndTest", "ScrollFrameTest"],
  );
}
for my $p (@paths) { my ($o, $n) = @$p; s{(?<![\w.~-])\Q$o\E(?!\w)}{$n}g; }
s{(?<![\w.~-])app/ui(?!\w)}{window}g;
s{(?<![\w.~-])app/}{controller/}g;
s{(?<![\w.~-])config/(?!vorlak)}{profiles/}g;
for my $p (@programs) { my ($o, $n) = @$p; s{(?<!\w)\Q$o\E(?!\w)}{$n}g; }
for my $p (@stems) { my ($o, $n) = @$p; s{(?<![A-Za-z0-9])\Q$o\E(?![A-Za-z0-9])}{$n}g; }
for my $p (@classes) { my ($o, $n) = @$p; s{\b\Q$o\E\b}{$n}g; }
PERL

# The names the rules replace, to find the files that hold one.
old='\bC(KestalApp|KestalDlg|Dlg[A-Za-z]+|SettingsPanel|SingleDialog|MacroDialog|MacroProgramDialog|LBEditorWnd|ConfigDialog|BitmapBtn|ExMenu|MenuItemList|DMarkerV?|SkinScrollBar|SkinScrollWnd|AssignmentMenus)\b'
old+='|(KestalDlg|DlgSplash|ConfigDialog|SingleDialog|MacroDialog|MacroProgramDialog|LbEditor|BitmapBtn|ExMenu|SkinScrollWnd)(Test|Layout|Style)'
old+='|(^|[^A-Za-z0-9])(kestal_(app|dlg)|dlg_[a-z_]+|config_dialog|stage_color_dialog|single_dialog|macro_dialog|macro_program_dialog|lb_editor_wnd|bitmap_btn|ex_menu|skin_scroll_wnd)([^A-Za-z0-9]|$)'
old+='|"(app|config)": [0-9]|\btest_(app|config)\b|(^|[^A-Za-z0-9_.~-])(app/|config/[^v])'
mapfile -t files < <(git grep -lE "$old" -- ':!*.png' ':!*.bin' ':!fuzz/seeds' ":!$self" || true)
[ ${#files[@]} = 0 ] || perl -0pi -e "$rules" "${files[@]}"

# Where folders are named as words: the build's lists of test folders and of the Qt sources,
# the layer table, the planted faults' expected lines, and the documents' pictures.
read -r -d '' words <<'PERL' || true
if ($ARGV eq "tests/CMakeLists.txt") {
  s{^(foreach\(area [^)]*)\bconfig\b}{$1profiles}m;
  s{^(foreach\(area [^)]*)\bapp\b}{$1controller}m;
  s{(foreach\(area controls panels window assign/ui macro/ui)\)}{$1 profiles/ui)};
}
if ($ARGV eq "src/CMakeLists.txt") {
  s{(assign/ui/\*\.(cpp|h) macro/ui/\*\.\2)(?! profiles)}{$1 profiles/ui/*.$2}g;
  s{\((controls/ and panels/ are Qt throughout)\)}{(window/, $1)};
}
if ($ARGV eq "scripts/check_layers.py") {
  s{"config": (\d)}{"profiles": $1}; s{"app": (\d)}{"controller": $1};
  s{"window": 4, (?!"profiles/ui")}{"window": 4, "profiles/ui": 4, };
}
if ($ARGV eq "tests/layers/planted_faults_test.sh") {
  s{\bapp \\\(}{controller \\(}g; s{\bconfig \\\(}{profiles \\(}g;
}
if ($ARGV eq "ARCHITECTURE.md") {
  s{^( UI and platform +window  assign/ui  macro/ui)  panels}{$1  profiles/ui  panels}m;
  s{^ controller        controller/          }{ controller        controller/   }m;
  s{profiles/ \(profiles\)}{profiles/}g;
  s{`config` uses `assign`}{`profiles` uses `assign`}g;
  s{\(`assign/ui/`, `macro/ui/`\), or\n  `panels/` for general ones; its rules go in the Qt-free part of that folder, with tests.}{(`assign/ui/`, `macro/ui/`,\n  `profiles/ui/`), or `window/` for general ones; its rules go in the Qt-free part of that\n  folder, with tests.}g;
}
if ($ARGV eq "README.md") {
  s{^src/profiles/ +}{src/profiles/  }mg;
  s{^src/controller/ +}{src/controller/ }mg;
  s{^src/window/ +the application, main window and tray on Qt +\(UI\)}{src/window/    the application, main window, splash screen and tray on Qt          (UI)}m;
  s{^src/panels/ +splash, settings host with the DPI, lighting, polling-rate and pointer\n +panels, profile manager +\(UI\)}{src/panels/    settings column with the DPI, lighting, polling-rate and pointer panels (UI)\nsrc/profiles/ui/ the profile manager                                                (UI)}m;
  s{in-place list editor's rules; ui/: the in-place list editor +\(domain\)}{in-place list editor's rules; ui/: the macro picker and manager       (domain)};
  s{skinned scroll bar and its frame \(UI\)\n}{skinned scroll bar and its frame, the\n               in-place list editor, the DPI stages' colour chooser                 (UI)\n};
  s{\(`controls/` and `panels/` are Qt throughout}{(`window/`, `controls/` and `panels/` are Qt throughout};
}
PERL
perl -0pi -e "$words" tests/CMakeLists.txt src/CMakeLists.txt scripts/check_layers.py \
  tests/layers/planted_faults_test.sh ARCHITECTURE.md README.md

# ---- format and report ---------------------------------------------------------------------

mapfile -t changed < <(git status --porcelain | sed -E 's/^.. (.* -> )?//' | grep -E '\.(cpp|h)$' |
  while read -r f; do [ -f "$f" ] && echo "$f"; done)
[ ${#changed[@]} = 0 ] || clang-format -i "${changed[@]}"

if git grep -nE "$old" -- ':!*.png' ':!*.bin' ':!fuzz/seeds' ":!$self"; then
  echo "old names are left (above)"; exit 1
fi
echo "every class, file and folder has its name by role"
