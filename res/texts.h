#pragma once
// Every text the program shows, apart from the string table's titles and the
// dialog templates. Shift-JIS once compiled.

// Menus of the bar
#define TXT_MENU_ADD_REMOVE "ﾎﾞﾀﾝの追加と削除(&B)"
#define TXT_MENU_SETTINGS "各種設定(&C)"
#define TXT_MENU_RESTORE "保存状態に戻す(&R)"
#define TXT_MENU_HELP "ﾍﾙﾌﾟ(&H)"
#define TXT_MENU_ABOUT "ﾊﾞｰｼﾞｮﾝ情報(&A)..."
#define TXT_MENU_EXIT "Tarvix の終了(&X)"
#define TXT_MENU_TIME_LABEL "現在時刻  "
#define TXT_PAGE_NAME_PREFIX "Page"

// Help
#define TXT_HELP_MISSING_BEFORE "ﾍﾙﾌﾟﾌｧｲﾙ "
#define TXT_HELP_MISSING_AFTER " が見つかりません。"

// Starting a target
#define TXT_START_FAILED "の起動に失敗しました。"
#define TXT_WINEXEC_FAILED "Error "

// Numeric fields
#define TXT_NOT_INTEGER "整数を入力してください。"
#define TXT_NOT_POSITIVE_INTEGER "正の整数を入力してください。"
#define TXT_INTEGER_RANGE "%1 から %2 までの整数を入力してください。"

// A button's own menu
#define TXT_BUTTON_MENU_EDIT "設定変更(&S)"
#define TXT_BUTTON_MENU_DELETE "ﾎﾞﾀﾝの削除(&D)"
#define TXT_ASK_DELETE_BUTTON "削除してもよろしいですか？"

// Button properties
#define TXT_CAPTION_EDIT "編集"
#define TXT_CAPTION_REGISTER "ｱﾌﾟﾘｹｰｼｮﾝの登録"
#define TXT_NO_FULL_PATH "ﾌﾙﾊﾟｽが指定されていません。"
#define TXT_SHOW_NORMAL "通常のｳｲﾝﾄﾞｳ"
#define TXT_SHOW_MINIMIZED "最小化"
#define TXT_SHOW_MAXIMIZED "最大化"
#define TXT_PROGRAM_PATTERN "*.exe;*.com"
#define TXT_PROGRAM_FILTER                                                                   \
    "実行ﾌｧｲﾙ(*.exe ;*.com) |*.exe;*.com|ｺﾝﾄﾛｰﾙﾊﾟﾈﾙｱﾌﾟﾘｹｰｼｮﾝ(*.cpl)|*.cpl|ﾄﾞｷｭﾒﾝﾄ ﾌｧｲﾙ(*.doc;*.txt)|" \
    "*.doc;*.txt|すべてのﾌｧｲﾙ(*.*)|*.*||"

// Change-icon
#define TXT_ICON_PATTERN "*.exe;*.com;*.dll;*.ico"
#define TXT_ICON_FILTER                                                                       \
    "ｱｲｺﾝﾌｧｲﾙ|*.exe;*.com;*.dll;*.ico|ﾌﾟﾛｸﾞﾗﾑ|*.exe;*.com|ﾗｲﾌﾞﾗﾘ|*.dll|ｱｲｺﾝ|*.ico|すべてのﾌｧｲﾙ|" \
    "*.*||"

// Add-and-remove buttons
#define TXT_LIST_EMPTY "リストがありません。"
#define TXT_NO_SELECTION "ファイルが選択されていません。"
#define TXT_ASK_DELETE_LISTED "削除してよろしいですか？"
#define TXT_LINE_COUNT_RANGE "列数は1～50までの値を指定できます。"

// Settings sheet
#define TXT_SETTINGS_CAPTION "各種設定"
#define TXT_HOTKEY_ACTION_NONE "ホットキーを使用しない。"
#define TXT_HOTKEY_ACTION_ACTIVATE "Tarvix をアクティブにする。"
#define TXT_HOTKEY_ACTION_MENU "ﾒﾆｭｰを表示する。"
#define TXT_HOTKEY_IN_USE_BEFORE "ﾎｯﾄｷｰ "
#define TXT_HOTKEY_IN_USE_AFTER " は他のﾌﾟﾛｸﾞﾗﾑが使用しているため、登録できませんでした。"

// File names that code page 932 cannot hold
#define TXT_FILES_LEFT_OUT "次のﾌｧｲﾙは名前に扱えない文字が含まれるため、使用できません。\n"
#define TXT_FILES_LEFT_OUT_MORE_BEFORE "ほか "
#define TXT_FILES_LEFT_OUT_MORE_AFTER " 個のﾌｧｲﾙ"
