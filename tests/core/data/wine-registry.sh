#!/bin/sh
# Makes a Wine prefix at $1 with real Wine and writes, with Wine's own
# "reg add", the keys tst_gamediscovery reads: a folder of letters outside
# ASCII with a trailing backslash, keys under Wow6432Node, a game on a D:
# drive and Windows Steam's install path. system.reg beside this script is
# what it produced once (Debian's wine 8.0, 64-bit); the test runs it anew
# when wine is installed.
set -eu
mkdir -p "$(dirname "$1")"
# Nothing outside the prefix's folder: no menu entries, no Mono or Gecko.
export HOME="$(cd "$(dirname "$1")" && pwd)" XDG_DATA_HOME= XDG_CONFIG_HOME=
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
key='HKLM\Software\Wow6432Node'
wine reg add "$key\\Activision\\Call of Duty" /v InstallPath /t REG_SZ /d 'C:\Hry\Černá\Call of Duty\' /f
wine reg add "$key\\Unreal Technology\\Installed Apps\\UT2004" /v Folder /t REG_SZ /d 'D:\Hry\UT2004' /f
wine reg add "$key\\Valve\\Steam" /v InstallPath /t REG_SZ /d 'C:\Program Files (x86)\Steam' /f
wine reg add "$key\\Hry\\Žluťoučký kůň" /v 'Složka' /t REG_EXPAND_SZ /d 'C:\Hry\Žluťoučký kůň "2"\' /f
wineserver -w
