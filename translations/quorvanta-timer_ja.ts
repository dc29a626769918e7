<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Accessibility</name>
    <message>
        <source>Solve time</source>
        <translation>ソルブタイム</translation>
    </message>
    <message>
        <source>3D cube</source>
        <translation>3Dキューブ</translation>
    </message>
    <message>
        <source>2D cube</source>
        <translation>2Dキューブ</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>Best:</source>
        <translation>ベスト:</translation>
    </message>
    <message>
        <source>Worst:</source>
        <translation>ワースト:</translation>
    </message>
    <message>
        <source>Average:</source>
        <translation>平均:</translation>
    </message>
    <message>
        <source>Deviation:</source>
        <translation>標準偏差:</translation>
    </message>
    <message>
        <source>green</source>
        <comment>sticker colour</comment>
        <translation>緑</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>sticker colour</comment>
        <translation>青</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>sticker colour</comment>
        <translation>黄</translation>
    </message>
    <message>
        <source>white</source>
        <comment>sticker colour</comment>
        <translation>白</translation>
    </message>
    <message>
        <source>red</source>
        <comment>sticker colour</comment>
        <translation>赤</translation>
    </message>
    <message>
        <source>orange</source>
        <comment>sticker colour</comment>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Up</source>
        <comment>face of the cube</comment>
        <translation>上面</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>face of the cube</comment>
        <translation>左面</translation>
    </message>
    <message>
        <source>Front</source>
        <comment>face of the cube</comment>
        <translation>前面</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>face of the cube</comment>
        <translation>右面</translation>
    </message>
    <message>
        <source>Back</source>
        <comment>face of the cube</comment>
        <translation>後面</translation>
    </message>
    <message>
        <source>Down</source>
        <comment>face of the cube</comment>
        <translation>下面</translation>
    </message>
    <message>
        <source>Top</source>
        <comment>face of the cube, as the 3D picture shows it</comment>
        <translation>上面</translation>
    </message>
    <message>
        <source>prime</source>
        <comment>spoken after a face letter: F&apos; is &quot;F prime&quot;</comment>
        <translation>ダッシュ</translation>
    </message>
    <message>
        <source>two</source>
        <comment>spoken after a face letter: F2 is &quot;F two&quot;</comment>
        <translation>ツー</translation>
    </message>
    <message>
        <source>Scramble: %1.</source>
        <comment>spoken; %1 is the turns</comment>
        <translation>スクランブル：%1。</translation>
    </message>
    <message>
        <source>Countdown %1</source>
        <comment>spoken as a countdown starts; %1 is its seconds, 4 to 20</comment>
        <translation>インスペクション %1</translation>
    </message>
    <message>
        <source>Go</source>
        <comment>spoken as the timing starts</comment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <comment>spoken; %1 is the time</comment>
        <translation>保存しました %1。</translation>
    </message>
    <message>
        <source>Plus two, %1.</source>
        <comment>spoken for a +2 penalty; %1 is the time</comment>
        <translation>プラス2、%1。</translation>
    </message>
    <message>
        <source>DNF.</source>
        <comment>spoken</comment>
        <translation>DNF。</translation>
    </message>
    <message>
        <source>Discarded.</source>
        <comment>spoken</comment>
        <translation>破棄しました。</translation>
    </message>
</context>
<context>
    <name>cubetimer::AboutWindow</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Written by: Quorvanta</source>
        <translation>作者: Quorvanta</translation>
    </message>
    <message>
        <source>Written in C++20 with the Qt 6 Widgets toolkit. Built with CMake; every time is measured with the system&apos;s monotonic clock.</source>
        <translation>C++20 と Qt 6 Widgets ツールキットで書かれています。CMake でビルドし、すべてのタイムはシステムのモノトニッククロックで計測します。</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>謝辞:</translation>
    </message>
    <message>
        <source>the speedcubing community, whose timers, notation and habits shaped this program.</source>
        <translation>スピードキューブのコミュニティ。そのタイマー、記法、習慣がこのプログラムの土台になりました。</translation>
    </message>
    <message>
        <source>every cubing club and forum that shares scrambles, methods and advice with newcomers.</source>
        <translation>スクランブルや解法、アドバイスを初心者と分かち合うすべてのキューブサークルとフォーラム。</translation>
    </message>
    <message>
        <source>Thank very much to the author of code for 3D cube simulation.</source>
        <translation>3Dキューブのシミュレーションのコードを書いた作者に心から感謝します。</translation>
    </message>
    <message>
        <source>Finally thanks to all persons that helped me in the past for increase my coding skill.</source>
        <translation>最後に、これまでプログラミングの腕を磨く手助けをしてくれたすべての人に感謝します。</translation>
    </message>
    <message>
        <source>Please report any fault or problem on the product web site, in its Rubik&apos;s Cube section.</source>
        <translation>不具合や問題は、製品ウェブサイトの Rubik&apos;s Cube のページでご報告ください。</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enter or Escape closes the window</source>
        <translation>Enter または Esc でウィンドウを閉じます</translation>
    </message>
</context>
<context>
    <name>cubetimer::ContestWindow</name>
    <message>
        <source>Scrambles for contest</source>
        <translation>大会用スクランブル</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>クリップボードにコピーしました</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>cubetimer::DetailsWindow</name>
    <message>
        <source>Session details</source>
        <translation>セッションの詳細</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copied to clipboard</source>
        <translation>クリップボードにコピーしました</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save results on file</source>
        <translation>結果をファイルに保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>The file could not be saved!</source>
        <translation>ファイルを保存できませんでした！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>cubetimer::EditTimeDialog</name>
    <message>
        <source>Edit Time</source>
        <translation>タイムの編集</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>s/100</source>
        <translation>1/100秒</translation>
    </message>
    <message>
        <source>Change!</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Hundredths</source>
        <translation>100分の1秒</translation>
    </message>
    <message>
        <source>Can&apos;t add a null time!</source>
        <translation>0 のタイムは追加できません！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>cubetimer::MainWindow</name>
    <message>
        <source>Stop</source>
        <translation>ストップ</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Countdown stopped</source>
        <translation>インスペクションを中止しました</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>It is not possible to use DNF more than once in only one session!</source>
        <translation>1 つのセッションで DNF は 1 回しか使えません！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The session has ended!<byte value="xd"/>
Would you like to see results?</source>
        <translation>セッションが終了しました！<byte value="xd"/>
結果を表示しますか？</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Are you really sure to reset whole session?</source>
        <translation>セッション全体を本当にリセットしますか？</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Select scramble text file</source>
        <translation>スクランブルのテキストファイルを選択</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>File not accessible!</source>
        <translation>ファイルにアクセスできません！</translation>
    </message>
    <message>
        <source>File is empty! Random scrambles will be generated.</source>
        <translation>ファイルが空です！ランダムなスクランブルを生成します。</translation>
    </message>
    <message>
        <source>Incorrect file format! Random scrambles will be generated.</source>
        <translation>ファイル形式が正しくありません！ランダムなスクランブルを生成します。</translation>
    </message>
    <message>
        <source>File is too large! Random scrambles will be generated.</source>
        <translation>ファイルが大きすぎます！ランダムなスクランブルを生成します。</translation>
    </message>
    <message>
        <source>No more scrambles imported! Random scrambles will be generated.</source>
        <translation>インポートしたスクランブルがもうありません！ランダムなスクランブルを生成します。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>+2</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Countdown (s)</source>
        <translation>インスペ（秒）</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>セッション</translation>
    </message>
    <message>
        <source>12 Solves</source>
        <translation>12 ソルブ</translation>
    </message>
    <message>
        <source>5 Solves</source>
        <translation>5 ソルブ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Solve numbers</source>
        <translation>ソルブ番号</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>F2 or a double click edits the selected time</source>
        <translation>F2 またはダブルクリックで選択したタイムを編集</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>スクランブル</translation>
    </message>
    <message>
        <source>Import Scrambles</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>New Scramble</source>
        <translation>次のスクランブル</translation>
    </message>
    <message>
        <source>Generate 13 scrambles</source>
        <translation>13 スクランブル生成</translation>
    </message>
    <message>
        <source>View Cube</source>
        <translation>キューブ表示</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Written by Quorvanta</source>
        <translation>作者: Quorvanta</translation>
    </message>
    <message>
        <source>Link: opens the web site</source>
        <translation>リンク: ウェブサイトを開きます</translation>
    </message>
    <message>
        <source>3D Cube</source>
        <translation>3Dキューブ</translation>
    </message>
    <message>
        <source>2D Cube</source>
        <translation>2Dキューブ</translation>
    </message>
    <message>
        <source>Turn the whole cube as %1</source>
        <translation>キューブ全体を %1 の向きに回す</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>%1 を回す</translation>
    </message>
    <message>
        <source>Stackmat timer</source>
        <translation>Stackmat タイマー</translation>
    </message>
    <message>
        <source>Timer reset: the solve is not recorded</source>
        <translation>タイマーがリセットされました: このソルブは記録されません</translation>
    </message>
</context>
<context>
    <name>cubetimer::SplashWindow</name>
    <message>
        <source>Starting Quorvanta Rubik&apos;s Timer</source>
        <translation>Quorvanta Rubik&apos;s Timer を起動中</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
</context>
<context>
    <name>cubetimer::StackmatControl</name>
    <message>
        <source>Reads a Stackmat timer on the default sound input</source>
        <translation>既定の音声入力から Stackmat タイマーを読み取ります</translation>
    </message>
    <message>
        <source>Stackmat off</source>
        <translation>Stackmat オフ</translation>
    </message>
    <message>
        <source>Reads a Stackmat timer on the default sound input: %1</source>
        <translation>既定の音声入力から Stackmat タイマーを読み取ります: %1</translation>
    </message>
    <message>
        <source>Stackmat: no signal</source>
        <translation>Stackmat: 信号なし</translation>
    </message>
    <message>
        <source>Stackmat: timer found</source>
        <translation>Stackmat: タイマーを検出</translation>
    </message>
    <message>
        <source>Stackmat: signal lost, the solve goes on</source>
        <translation>Stackmat: 信号が途切れました。ソルブは続行中です</translation>
    </message>
    <message>
        <source>Stackmat: signal lost</source>
        <translation>Stackmat: 信号が途切れました</translation>
    </message>
</context>
</TS>
