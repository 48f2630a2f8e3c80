; Texts of our own on the pages and in the questions, in each language the pages speak.
LangString WelcomeText ${LANG_ENGLISH} \
    "This installs the ${PRODUCT} screen saver for you alone, into your own programs folder; no administrator is needed.$\r$\n$\r$\nIf ${PRODUCT} is running, setup closes the saver or asks you to close its settings.$\r$\n$\r$\nClick Next to continue."
LangString WelcomeText ${LANG_JAPANESE} \
    "${PRODUCT} スクリーンセーバーを、あなた専用のプログラム フォルダーにインストールします。管理者の権限は要りません。$\r$\n$\r$\n${PRODUCT} が動いているときは、セーバーを終了するか、設定を閉じるようお願いします。$\r$\n$\r$\n「次へ」をクリックして続けてください。"
LangString SectionPrograms ${LANG_ENGLISH} "${PRODUCT}"
LangString SectionPrograms ${LANG_JAPANESE} "${PRODUCT}"
LangString SectionCurrentSaver ${LANG_ENGLISH} "Make it the current screen saver"
LangString SectionCurrentSaver ${LANG_JAPANESE} "現在のスクリーンセーバーにする"
LangString ShortcutDescription ${LANG_ENGLISH} "Settings of the ${PRODUCT} screen saver"
LangString ShortcutDescription ${LANG_JAPANESE} "${PRODUCT} スクリーンセーバーの設定"
LangString SettingsDialogOpen ${LANG_ENGLISH} \
    "The ${PRODUCT} settings dialog is open. Close it, then choose Retry."
LangString SettingsDialogOpen ${LANG_JAPANESE} \
    "${PRODUCT} の設定ダイアログが開いています。閉じてから［再試行］を選んでください。"
LangString ProgramsInUse ${LANG_ENGLISH} \
    "${PRODUCT} is still in use, perhaps by the preview in the screen saver settings. Close it, then choose Retry."
LangString ProgramsInUse ${LANG_JAPANESE} \
    "${PRODUCT} がまだ使われています（スクリーンセーバー設定のプレビューなど）。閉じてから［再試行］を選んでください。"
LangString ProgramFilesStayed ${LANG_ENGLISH} \
    "These files of ${PRODUCT} could not be deleted, perhaps because they are in use, so its screen-saver setting and its entries were kept. Close ${PRODUCT}, then uninstall it again from the list of apps:"
LangString ProgramFilesStayed ${LANG_JAPANESE} \
    "次の ${PRODUCT} のファイルを削除できなかったため、スクリーンセーバーの設定と登録はそのままにしています（使用中の可能性があります）。${PRODUCT} を閉じてから、アプリの一覧からもう一度アンインストールしてください:"
LangString ProgramFilesLeftAside ${LANG_ENGLISH} \
    "These could not be given their names back and stay under these names:"
LangString ProgramFilesLeftAside ${LANG_JAPANESE} \
    "次のファイルは元の名前に戻せなかったため、この名前のまま残っています:"
LangString NotUninstalled ${LANG_ENGLISH} "${PRODUCT} was not uninstalled; in use:"
LangString NotUninstalled ${LANG_JAPANESE} "${PRODUCT} はアンインストールされていません。使用中:"
LangString DeleteSettings ${LANG_ENGLISH} "Also delete your ${PRODUCT} settings (${SETTINGS_FILE})?"
LangString DeleteSettings ${LANG_JAPANESE} "${PRODUCT} の設定（${SETTINGS_FILE}）も削除しますか？"
