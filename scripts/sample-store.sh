#!/usr/bin/env bash
# Fills a fresh store with a sample page of Wine's own programs and applets.
# Leaves a store that already holds page 1 alone. Called by run.sh --sample
# with WINEPREFIX set and the wineserver running.
set -uo pipefail

root='HKCU\Software\Quenlow\Lumeq'
if wine reg query "$root\\Page1\\Button" /v Num >/dev/null 2>&1; then
  echo "sample: the store already has a first page; left as it is"
  exit 0
fi

n=0
button() {  # title, path, parameters
  n=$((n + 1))
  local key="$root\\Page1\\Btn$n"
  wine reg add "$key" /v Title /d "$1" /f >/dev/null
  wine reg add "$key" /v AppName /d "$2" /f >/dev/null
  wine reg add "$key" /v Dir /d '' /f >/dev/null
  wine reg add "$key" /v Parm /d "${3:-}" /f >/dev/null
  wine reg add "$key" /v Icon /d '' /f >/dev/null
  wine reg add "$key" /v Data /d '0,0' /f >/dev/null
}

button 'メモ帳' 'C:\windows\notepad.exe'
button 'レジストリ エディタ' 'C:\windows\regedit.exe'
button 'マインスイーパ' 'C:\windows\system32\winemine.exe'
button 'ワードパッド' 'C:\windows\system32\wordpad.exe'
button 'コマンド プロンプト' 'C:\windows\system32\cmd.exe'
button 'タスク マネージャ' 'C:\windows\system32\taskmgr.exe'
button 'ゲーム コントローラ' 'C:\windows\system32\joy.cpl'
button 'プログラムの追加と削除' 'C:\windows\system32\appwiz.cpl'
button '' 'C:\windows'
button '時計' 'C:\windows\system32\clock.exe'

wine reg add "$root\\Page1\\Button" /v Num /t REG_DWORD /d $n /f >/dev/null
wine reg add "$root\\Page1\\Button" /v Data /d '2,34,0' /f >/dev/null
wine reg add "$root\\Page1\\Button" /v PageName /d 'Wine' /f >/dev/null
echo "sample: page 1 holds $n buttons of Wine's own programs and applets"
