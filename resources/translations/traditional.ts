<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Zandrel</source>
        <translation>關於 Zandrel</translation>
    </message>
    <message>
        <source>Contact us </source>
        <translation>聯絡我們 </translation>
    </message>
    <message>
        <source>Zandrel %1</source>
        <translation>Zandrel %1</translation>
    </message>
    <message>
        <source>A classroom tool: draws on five displays, drawn students read aloud, letter scores and their averages.</source>
        <translation>課堂工具：五種顯示方式的抽籤、朗讀抽中的學生、字母成績及其平均分數。</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0).</source>
        <translation>授權條款：GNU 通用公共授權條款第 3 版或更新版本（GPL-3.0）。</translation>
    </message>
</context>
<context>
    <name>AbsentStudentsDialog</name>
    <message>
        <source>Absent Students</source>
        <translation>缺席學生</translation>
    </message>
    <message>
        <source>Check the students who are absent today. They are left out of every draw until tomorrow.</source>
        <translation>勾選今天缺席的學生。他們在明天之前不參加任何抽籤。</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>學號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>無法讀取 %1。</translation>
    </message>
    <message>
        <source>This file is not a Zandrel backup. Nothing was changed.</source>
        <translation>這個檔案不是 Zandrel 備份，沒有做任何變更。</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be restored. Nothing was changed.</source>
        <translation>這個備份已損毀，無法還原，沒有做任何變更。</translation>
    </message>
    <message>
        <source>A part of this file is larger than any Zandrel backup holds. Nothing was changed.</source>
        <translation>這個檔案中有一部分比任何 Zandrel 備份都大，沒有做任何變更。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>無法寫入 %1。</translation>
    </message>
    <message>
        <source>The current classes and settings could not be kept in %1 first, so nothing was restored.</source>
        <translation>無法先把目前的班級和設定儲存到 %1，所以沒有還原任何內容。</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Back Up Everything</source>
        <translation>備份全部</translation>
    </message>
    <message>
        <source>Every class, student and score, the settings, and the score and history files go into one file. Keep it on a USB stick or another computer.</source>
        <translation>所有班級、學生和成績，以及設定、成績檔案和歷史紀錄檔案都會寫進一個檔案。請把它存到隨身碟或另一台電腦上。</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Include collected homework</source>
        <translation>包括收到的作業</translation>
    </message>
    <message>
        <source>The class and student folders with the homework files; they can be large</source>
        <translation>班級和學生資料夾以及其中的作業檔案，可能很大</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Zandrel Backup (*.zip)</source>
        <translation>Zandrel 備份 (*.zip)</translation>
    </message>
    <message>
        <source>Everything was backed up to %1.</source>
        <translation>全部內容已備份到 %1。</translation>
    </message>
</context>
<context>
    <name>BatchAddIDDialog</name>
    <message>
        <source>Input ID Range</source>
        <translation>輸入學號範圍</translation>
    </message>
    <message>
        <source>ID From</source>
        <translation>學號從</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>ID should not be empty!</source>
        <translation>學號不可為空白！</translation>
    </message>
</context>
<context>
    <name>CalculateAveScoreDialog</name>
    <message>
        <source>Calculate Score</source>
        <translation>計算成績</translation>
    </message>
    <message>
        <source>Set Base Score (If ave score takes 30 points, 
you can assign &apos;A&apos; to 30, &apos;F&apos; to &apos;10&apos;)</source>
        <translation>設定基準分數（如果平均成績占 30 分， 
可以把「A」設為 30，「F」設為 10）</translation>
    </message>
    <message>
        <source>&apos;A&apos;=</source>
        <translation>「A」=</translation>
    </message>
    <message>
        <source>&apos;F&apos;=</source>
        <translation>「F」=</translation>
    </message>
    <message>
        <source>Calculate students&apos; average score for current class</source>
        <translation>計算目前班級學生的平均成績</translation>
    </message>
    <message>
        <source>Open the [ClassName]_score100.txt and [ClassName]_score100.csv in working directory. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</source>
        <translation>開啟工作資料夾中的 [ClassName]_score100.txt 和 [ClassName]_score100.csv。.csv 檔案可以用 Microsoft Office Excel, OpenOffice, WPS 或記事本開啟。</translation>
    </message>
    <message>
        <source>Open Score</source>
        <translation>開啟成績</translation>
    </message>
    <message>
        <source>Open the current working directory containing [ClassName]_score100.txt and [ClassName]_score100.csv. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</source>
        <translation>開啟存放 [ClassName]_score100.txt 和 [ClassName]_score100.csv 的目前工作資料夾。.csv 檔案可以用 Microsoft Office Excel, OpenOffice, WPS 或記事本開啟。</translation>
    </message>
    <message>
        <source>Open Score Dir</source>
        <translation>開啟成績資料夾</translation>
    </message>
    <message>
        <source>Round Off ([30.1-&gt;30] , [30.5-&gt;31])</source>
        <translation>四捨五入 ([30.1-&gt;30] , [30.5-&gt;31])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30] , [30.5-&gt;31]</source>
        <translation>[30.1-&gt;30] , [30.5-&gt;31]</translation>
    </message>
    <message>
        <source>Integer Only ([30.1-&gt;30] , [30.5 - 30])</source>
        <translation>只取整數 ([30.1-&gt;30] , [30.5 - 30])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30] , [30.5 - 30]</source>
        <translation>[30.1-&gt;30] , [30.5 - 30]</translation>
    </message>
    <message>
        <source>Keep Float ([30.1-&gt;30.1], [30.5-&gt;30.5])</source>
        <translation>保留小數 ([30.1-&gt;30.1], [30.5-&gt;30.5])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30.1], [30.5-&gt;30.5]</source>
        <translation>[30.1-&gt;30.1], [30.5-&gt;30.5]</translation>
    </message>
    <message>
        <source>Define A and F score!</source>
        <translation>請設定 A 和 F 的分數！</translation>
    </message>
    <message>
        <source>Please define A and F&apos;s score, such as A to 30, F to 10!</source>
        <translation>請設定 A 和 F 對應的分數，例如 A 為 30，F 為 10！</translation>
    </message>
    <message>
        <source>Write [ClassName]_score100.xlsx in working directory and open it. The IDs stay exactly as stored, also in Microsoft Office Excel, WPS and LibreOffice.</source>
        <translation>在工作資料夾中寫入 [ClassName]_score100.xlsx 並開啟它。在 Microsoft Office Excel、WPS 和 LibreOffice 中，學號也與儲存的完全一致。</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>匯出至 Excel</translation>
    </message>
    <message>
        <source>Calculate Ave Score - %1</source>
        <translation>計算平均成績 - %1</translation>
    </message>
    <message>
        <source>The average scores of %1 were written to
%2
and
%3</source>
        <translation>%1 的平均成績已寫入
%2
和
%3</translation>
    </message>
    <message>
        <source>No score files were written: choose a class in the main window first.</source>
        <translation>沒有寫入成績檔案：請先在主視窗中選擇一個班級。</translation>
    </message>
    <message>
        <source>No score files were written: the class name %1 holds a / or \, which a file name cannot. Rename the class in Class Settings.</source>
        <translation>沒有寫入成績檔案：班級名稱 %1 含有 / 或 \，不能用作檔案名稱。請在班級設定中為班級改名。</translation>
    </message>
    <message>
        <source>The score files of %1 could not be written into %2. Check that the folder exists, can be written and the disk is not full.</source>
        <translation>無法把 %1 的成績檔案寫入 %2。請檢查該資料夾是否存在、是否可寫入，以及磁碟是否已滿。</translation>
    </message>
</context>
<context>
    <name>ClassSettingDialog</name>
    <message>
        <source>Class Setting</source>
        <translation>班級設定</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>班級清單</translation>
    </message>
    <message>
        <source>Add  Class</source>
        <translation>新增班級</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>刪除班級</translation>
    </message>
    <message>
        <source>ID, Name List</source>
        <translation>學號、姓名清單</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>新增學生</translation>
    </message>
    <message>
        <source>Batch Add Student</source>
        <translation>批次新增學生</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>刪除學生</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>匯入...</translation>
    </message>
    <message>
        <source>Import students information from .txt or .csv file</source>
        <translation>從 .txt 或 .csv 檔案匯入學生資料</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Sort by Score</source>
        <translation>依成績排序</translation>
    </message>
    <message>
        <source>Sort by Number of Score</source>
        <translation>依成績次數排序</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>學號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Class Setting Information</source>
        <translation>班級設定提示</translation>
    </message>
    <message>
        <source>Class Information has been modified, do you want to save it?</source>
        <translation>班級資料已修改，是否儲存？</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>You can&apos;t add more than 1000 students!</source>
        <translation>一次最多只能新增 1000 名學生！</translation>
    </message>
    <message>
        <source>Open ID File</source>
        <translation>開啟學號檔案</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Scores Not Saved</source>
        <translation>成績未儲存</translation>
    </message>
    <message>
        <source>Zandrel cannot save the classes and scores to
%1

The scores given are kept while Zandrel runs, and every new score tries to save them again. Check that the disk has free space and that this folder can be written to.</source>
        <translation>Zandrel 無法將班級和成績儲存到
%1

已給出的成績在 Zandrel 執行期間會保留，每給出一個新成績都會再次嘗試儲存。請檢查磁碟是否還有可用空間，以及該資料夾是否可以寫入。</translation>
    </message>
    <message>
        <source>Text/CSV files (*.txt *.csv)</source>
        <translation>文字/CSV 檔案 (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel 活頁簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有檔案 (*.*)</translation>
    </message>
    <message>
        <source>Class List Damaged</source>
        <translation>班級名單已損壞</translation>
    </message>
    <message>
        <source>The class list could not be read completely. A copy of it was kept: %1</source>
        <translation>無法完整讀取班級名單。已保留一份副本：%1</translation>
    </message>
    <message>
        <source>%1 record added in this file!</source>
        <translation>已從此檔案新增 %1 筆記錄！</translation>
    </message>
    <message>
        <source>0 record added in this file!</source>
        <translation>已從此檔案新增 0 筆記錄！</translation>
    </message>
    <message>
        <source>Sorry, no ID and Name recognized in this file!</source>
        <translation>抱歉，此檔案中沒有辨識出學號和姓名！</translation>
    </message>
    <message>
        <source>There is a class named %1 already. The class keeps its name %2.</source>
        <translation>已有名為 %1 的班級。該班級保留原名 %2。</translation>
    </message>
    <message>
        <source>Files Not Written</source>
        <translation>檔案未寫入</translation>
    </message>
    <message numerus="yes">
        <source>Delete the class %1 with %n students and their scores?</source>
        <translation>
            <numerusform>刪除班級 %1 及其 %n 名學生和他們的成績嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Show this help and end.</source>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>顯示版本並結束。</translation>
    </message>
    <message>
        <source>Draw one student, or N at once, in Zandrel; Zandrel is started first when it is not running.</source>
        <translation>在 Zandrel 中抽取一名學生，或一次抽取 N 名；Zandrel 未執行時先啟動它。</translation>
    </message>
    <message>
        <source>Give the score letter (A to F) to the student drawn last.</source>
        <translation>給最近抽到的學生評分（字母 A 到 F）。</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>字母</translation>
    </message>
    <message>
        <source>Show (on) or hide (off) the floating draw button.</source>
        <translation>顯示（on）或隱藏（off）懸浮抽籤按鈕。</translation>
    </message>
    <message>
        <source>on|off</source>
        <translation>on|off</translation>
    </message>
    <message>
        <source>Bring the main window to the front.</source>
        <translation>把主視窗移到最前面。</translation>
    </message>
    <message>
        <source>Zandrel: classroom draw, read-aloud and score keeping.
Without an option it opens its window. The commands go to the Zandrel that is running; they end with status 0 when it has done them, or with a message and status 1.</source>
        <translation>Zandrel：課堂抽籤、朗讀與成績記錄。
不帶選項時開啟程式視窗。各命令交給正在執行的 Zandrel 處理；完成時以狀態 0 結束，否則顯示訊息並以狀態 1 結束。</translation>
    </message>
    <message>
        <source>With --draw: how many students to draw at once, 1 to %1.</source>
        <translation>與 --draw 一起使用：一次抽取的學生人數，1 到 %1。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>多餘的參數「%1」。</translation>
    </message>
    <message>
        <source>Give one of --draw, --score, --floating and --show at a time.</source>
        <translation>--draw、--score、--floating 和 --show 每次只能給出一個。</translation>
    </message>
    <message>
        <source>The number of students to draw must be a whole number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>抽取人數必須是 1 到 %1 之間的整數，而不是「%2」。</translation>
    </message>
    <message>
        <source>The score must be one of the letters A to F, not &quot;%1&quot;.</source>
        <translation>成績必須是字母 A 到 F 之一，而不是「%1」。</translation>
    </message>
    <message>
        <source>--floating takes on or off, not &quot;%1&quot;.</source>
        <translation>--floating 只接受 on 或 off，而不是「%1」。</translation>
    </message>
    <message>
        <source>Zandrel %1</source>
        <translation>Zandrel %1</translation>
    </message>
</context>
<context>
    <name>FloatingDrawButton</name>
    <message>
        <source>Click to draw a student; drag to move; right-click for more</source>
        <translation>按一下抽取一名學生；拖曳可移動；按右鍵查看更多</translation>
    </message>
    <message>
        <source>Draw 2 at Once</source>
        <translation>一次抽 2 人</translation>
    </message>
    <message>
        <source>Draw 3 at Once</source>
        <translation>一次抽 3 人</translation>
    </message>
    <message>
        <source>Open the Main Window</source>
        <translation>開啟主視窗</translation>
    </message>
    <message>
        <source>Hide the Button</source>
        <translation>隱藏按鈕</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽籤</translation>
    </message>
</context>
<context>
    <name>FloatingDraws</name>
    <message>
        <source>Zandrel has a dialog open: close it first.</source>
        <translation>Zandrel 有一個對話框正開著：請先關閉它。</translation>
    </message>
    <message>
        <source>Nobody has been drawn yet.</source>
        <translation>還沒有抽到任何學生。</translation>
    </message>
    <message>
        <source>%1 is no longer in the class.</source>
        <translation>%1 已不在本班。</translation>
    </message>
    <message>
        <source>%1 given to %2.</source>
        <translation>已給 %2 評 %1。</translation>
    </message>
</context>
<context>
    <name>FloatingResultWindow</name>
    <message>
        <source>Give %1 to %2</source>
        <translation>給 %2 評 %1</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>歷史紀錄</translation>
    </message>
    <message>
        <source>Draws and scores, newest first</source>
        <translation>抽籤與成績（最新的在前）</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>學生</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示方式</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>學號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Times Drawn</source>
        <translation>抽中次數</translation>
    </message>
    <message>
        <source>Last Drawn</source>
        <translation>最近抽中</translation>
    </message>
    <message>
        <source>Letters Given</source>
        <translation>所給成績</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽籤</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED 顯示幕</translation>
    </message>
    <message>
        <source>LED Roll</source>
        <translation>LED 滾動</translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation>方塊牆</translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation>電視滾動字幕</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>轉輪</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>%1 的歷史紀錄</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>%n 行無法讀取</numerusform>
        </translation>
    </message>
    <message>
        <source>Floating Button</source>
        <translation>懸浮按鈕</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>命令列</translation>
    </message>
</context>
<context>
    <name>ImportFileCheck</name>
    <message>
        <source>Nothing was imported: %1 no longer exists.</source>
        <translation>未匯入任何內容：%1 已不存在。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is a folder.</source>
        <translation>未匯入任何內容：%1 是一個資料夾。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is not an ordinary file.</source>
        <translation>未匯入任何內容：%1 不是一般檔案。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is larger than %2 MB, far more than any class list.</source>
        <translation>未匯入任何內容：%1 大於 %2 MB，遠超任何班級名單的大小。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 cannot be read (%2).</source>
        <translation>未匯入任何內容：無法讀取 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Zandrel</source>
        <translation>Zandrel</translation>
    </message>
    <message>
        <source>Zandrel is already running on this computer. Use the open window, so that no score is lost.</source>
        <translation>Zandrel 已在這台電腦上執行。請使用已開啟的視窗，以免遺失成績。</translation>
    </message>
</context>
<context>
    <name>LedDrawDisplay</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zandrel v2.0</source>
        <translation>Zandrel v2.0 課堂抽籤</translation>
    </message>
    <message>
        <source>0 Students.</source>
        <translation>0 名學生</translation>
    </message>
    <message>
        <source>Start lottery</source>
        <translation>開始抽籤</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Adjust running speed</source>
        <translation>調整抽籤速度</translation>
    </message>
    <message>
        <source>Score(A-F)</source>
        <translation>成績(A-F)</translation>
    </message>
    <message>
        <source>Input &apos;A&apos;-&apos;F&apos; and press enter key to accept</source>
        <translation>輸入「A」到「F」，按 Enter 鍵確認</translation>
    </message>
    <message>
        <source>Input score &apos;A&apos; to current student</source>
        <translation>給目前的學生記成績「A」</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Input score &apos;B&apos; to current student</source>
        <translation>給目前的學生記成績「B」</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Input score &apos;C&apos; to current student</source>
        <translation>給目前的學生記成績「C」</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Input score &apos;D&apos; to current student</source>
        <translation>給目前的學生記成績「D」</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Input score &apos;E&apos; to current student</source>
        <translation>給目前的學生記成績「E」</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Input score &apos;F&apos; to current student</source>
        <translation>給目前的學生記成績「F」</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Set text rolling in LED</source>
        <translation>讓 LED 上的文字捲動顯示</translation>
    </message>
    <message>
        <source>Roll Mode</source>
        <translation>捲動模式</translation>
    </message>
    <message>
        <source>Wheel it!</source>
        <translation>轉動！</translation>
    </message>
    <message>
        <source>Choose wheel number</source>
        <translation>選擇轉輪數量</translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation>點名！</translation>
    </message>
    <message>
        <source>Set score to the selected student</source>
        <translation>為選取的學生選擇成績</translation>
    </message>
    <message>
        <source>Input score to the selected student</source>
        <translation>為選取的學生輸入成績</translation>
    </message>
    <message>
        <source>Set rectangle shown</source>
        <translation>顯示方塊邊框</translation>
    </message>
    <message>
        <source>Bound</source>
        <translation>邊框</translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation>滾動！</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Set visible items in screen</source>
        <translation>設定畫面上顯示的人數</translation>
    </message>
    <message>
        <source>Sel.</source>
        <translation>抽中</translation>
    </message>
    <message>
        <source>Set the number of the selected items</source>
        <translation>設定每次抽中的人數</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>班級</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>語音</translation>
    </message>
    <message>
        <source>Lottery Mode</source>
        <translation>抽籤模式</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Language Support</source>
        <translation>介面語言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Open Student Directory</source>
        <translation>開啟學生資料夾</translation>
    </message>
    <message>
        <source>Move Homework</source>
        <translation>移動作業</translation>
    </message>
    <message>
        <source>Class Settings</source>
        <translation>班級設定</translation>
    </message>
    <message>
        <source>Calculate Ave Score</source>
        <translation>計算平均成績</translation>
    </message>
    <message>
        <source>Chinese Simplify</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED 顯示幕</translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation>方塊牆</translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation>電視滾動字幕</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>轉輪</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No Repeats in a Round</source>
        <translation>每輪不重複</translation>
    </message>
    <message>
        <source>Start a New Round</source>
        <translation>開始新一輪</translation>
    </message>
    <message>
        <source>Absent Students...</source>
        <translation>缺席學生...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>歷史紀錄...</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>復原上一個成績</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>All students have been drawn; a new round begins</source>
        <translation>所有學生都已抽過，開始新一輪</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>Show Names</source>
        <translation>顯示姓名</translation>
    </message>
    <message>
        <source>%1 (Page Down / Page Up)</source>
        <translation>%1（翻頁鍵 Page Down / Page Up）</translation>
    </message>
    <message>
        <source>Previous ID</source>
        <translation>上一個學號</translation>
    </message>
    <message>
        <source>Next ID</source>
        <translation>下一個學號</translation>
    </message>
    <message>
        <source>Back Up Everything...</source>
        <translation>備份全部...</translation>
    </message>
    <message>
        <source>Restore from Backup...</source>
        <translation>從備份還原...</translation>
    </message>
    <message>
        <source>Restore an Earlier Day...</source>
        <translation>還原到較早的一天...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quick Guide</source>
        <translation>快速入門</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>No students yet: add them in Class &gt; Class Settings.</source>
        <translation>還沒有學生：請在「班級 &gt; 班級設定」中新增。</translation>
    </message>
    <message>
        <source>Floating Draw Button</source>
        <translation>懸浮抽籤按鈕</translation>
    </message>
    <message>
        <source>A draw button over every window, full-screen slides included</source>
        <translation>浮在所有視窗（包括全螢幕投影片）之上的抽籤按鈕</translation>
    </message>
</context>
<context>
    <name>MicroTileWidget</name>
    <message>
        <source>zzzzzzzzzzzzzzzz!!</source>
        <translation>zzzzzzzzzzzzzzzz!!</translation>
    </message>
</context>
<context>
    <name>MoveHomeworkDialog</name>
    <message>
        <source>Move Homework to Class Directory</source>
        <translation>將作業移到班級資料夾</translation>
    </message>
    <message>
        <source>Download Path</source>
        <translation>下載路徑</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;The student homework should be named as &amp;quot;ID_*&amp;quot; in the Download Path.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Such as, for student 10322015, homework chapter 2, the 5th question, you can ask his homework named as 10322015_2_5.txt.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;下載路徑中的學生作業應命名為&amp;quot;學號_*&amp;quot;。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;例如：學號為 10322015 的學生，第 2 章第 5 題的作業，可要求其命名為 10322015_2_5.txt。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the homework download directory.</source>
        <translation>選擇作業的下載資料夾。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Class Path</source>
        <translation>班級路徑</translation>
    </message>
    <message>
        <source>Open current class directory.</source>
        <translation>開啟目前班級的資料夾。</translation>
    </message>
    <message>
        <source>Copy homework from Download path to class directory instead of moving.</source>
        <translation>將作業從下載路徑複製到班級資料夾，而不是移動。</translation>
    </message>
    <message>
        <source>Copy Homework</source>
        <translation>複製作業</translation>
    </message>
    <message>
        <source>Copy or move homework to student directory instead of class directory</source>
        <translation>將作業複製或移動到學生資料夾，而不是班級資料夾</translation>
    </message>
    <message>
        <source>To Student Directory</source>
        <translation>放到學生資料夾</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>記錄</translation>
    </message>
    <message>
        <source>(Last scan time...)</source>
        <translation>（上次掃描時間……）</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>
Invalid Download Path!

</source>
        <translation>
下載路徑無效！

</translation>
    </message>
    <message>
        <source> files moved successfully!</source>
        <translation> 個檔案已成功移動！</translation>
    </message>
    <message>
        <source> files copied successfully!</source>
        <translation> 個檔案已成功複製！</translation>
    </message>
    <message>
        <source>Move </source>
        <translation>移動 </translation>
    </message>
    <message>
        <source>Copy </source>
        <translation>複製 </translation>
    </message>
    <message>
        <source> to </source>
        <translation> 到 </translation>
    </message>
    <message>
        <source>Set Download Directory</source>
        <translation>設定下載資料夾</translation>
    </message>
    <message>
        <source>%1 files could not be moved and are still in the download folder.</source>
        <translation>%1 個檔案無法移動，仍在下載資料夾中。</translation>
    </message>
    <message>
        <source>%1 files could not be copied.</source>
        <translation>%1 個檔案無法複製。</translation>
    </message>
    <message>
        <source>the class name or the student ID cannot be a folder name</source>
        <translation>班級名稱或學號不能用作資料夾名稱</translation>
    </message>
    <message>
        <source>Could not move %1: %2</source>
        <translation>無法移動 %1：%2</translation>
    </message>
    <message>
        <source>Could not copy %1: %2</source>
        <translation>無法複製 %1：%2</translation>
    </message>
    <message>
        <source>%1 already holds a file of that name</source>
        <translation>%1 中已有同名檔案</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>資料夾 %1 不存在</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>無法讀取該檔案（%1）</translation>
    </message>
    <message>
        <source>it cannot be written to %1 (%2)</source>
        <translation>無法寫入 %1（%2）</translation>
    </message>
    <message>
        <source>it changed while it was copied, perhaps because it is still downloading</source>
        <translation>複製期間檔案發生了變化，可能仍在下載中</translation>
    </message>
    <message>
        <source>it cannot be removed from the download folder (%1)</source>
        <translation>無法從下載資料夾中刪除該檔案（%1）</translation>
    </message>
</context>
<context>
    <name>QuickGuideDialog</name>
    <message>
        <source>Quick Guide</source>
        <translation>快速入門</translation>
    </message>
</context>
<context>
    <name>RemoteCommandClient</name>
    <message>
        <source>There is no runtime folder (XDG_RUNTIME_DIR) to reach Zandrel through.</source>
        <translation>沒有可用來聯絡 Zandrel 的執行期資料夾（XDG_RUNTIME_DIR）。</translation>
    </message>
    <message>
        <source>Zandrel is not running.</source>
        <translation>Zandrel 沒有在執行。</translation>
    </message>
    <message>
        <source>Zandrel could not be started.</source>
        <translation>無法啟動 Zandrel。</translation>
    </message>
    <message>
        <source>Zandrel was started but did not come up within %1 seconds.</source>
        <translation>Zandrel 已啟動，但在 %1 秒內沒有就緒。</translation>
    </message>
    <message>
        <source>Zandrel is running but did not answer within %1 seconds.</source>
        <translation>Zandrel 正在執行，但在 %1 秒內沒有回應。</translation>
    </message>
</context>
<context>
    <name>RemoteCommandServer</name>
    <message>
        <source>Zandrel does not know the command &quot;%1&quot;.</source>
        <translation>Zandrel 不認得命令「%1」。</translation>
    </message>
</context>
<context>
    <name>RemoteReply</name>
    <message>
        <source>Zandrel gave an answer this start cannot read.</source>
        <translation>Zandrel 的回應無法辨識。</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>從備份還原</translation>
    </message>
    <message>
        <source>Backup file:</source>
        <translation>備份檔案：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Restore an Earlier Day</source>
        <translation>還原到較早的一天</translation>
    </message>
    <message>
        <source>In the backup</source>
        <translation>備份中</translation>
    </message>
    <message>
        <source>On that day</source>
        <translation>那一天</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>班級</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>學生</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>There is no earlier day yet: Zandrel keeps a copy of the classes before the first score of each day.</source>
        <translation>還沒有較早的一天：Zandrel 會在每天第一次打分數之前保留一份班級資料。</translation>
    </message>
    <message>
        <source>Scores given since then that the restore takes back: %1</source>
        <translation>還原後將收回此後給出的成績：%1 個</translation>
    </message>
    <message>
        <source>Zandrel Backup (*.zip)</source>
        <translation>Zandrel 備份 (*.zip)</translation>
    </message>
    <message>
        <source>Put back the classes, scores and settings shown on the left? What is there now is kept in a backup first, and Zandrel starts again.</source>
        <translation>要還原左側顯示的班級、成績和設定嗎？現在的內容會先儲存到一個備份中，然後 Zandrel 會重新啟動。</translation>
    </message>
    <message>
        <source>What was there before is kept in %1.</source>
        <translation>還原之前的內容儲存在 %1。</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message numerus="yes">
        <source>%n name filled in.</source>
        <translation>
            <numerusform>已填入 %n 個姓名。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names filled in.</source>
        <translation>
            <numerusform>已填入 %n 個姓名。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>略過 %n 行：學號不是整數（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>略過 %n 行：學號不是整數（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>略過 %n 列：學號不是整數（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>略過 %n 列：學號不是整數（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>略過 %n 行：學號被存成了捨入後的數字（%1）；請在試算表中將學號存為文字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>略過 %n 行：學號被存成了捨入後的數字（%1）；請在試算表中將學號存為文字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>略過 %n 列：學號被存成了捨入後的數字（%1）；請在試算表中將學號存為文字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>略過 %n 列：學號被存成了捨入後的數字（%1）；請在試算表中將學號存為文字。</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the sheet %1.</source>
        <translation>讀取了工作表 %1。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between line or row numbers</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>第 %1 列</translation>
    </message>
</context>
<context>
    <name>RosterStore</name>
    <message>
        <source>The class name %1 cannot be used as a file name: rename the class to keep its history and score files.</source>
        <translation>班級名稱 %1 不能用作檔案名稱：請重新命名該班級，以保存其歷史記錄和成績檔案。</translation>
    </message>
</context>
<context>
    <name>SaveFailureReports</name>
    <message>
        <source>Scores Not Saved</source>
        <translation>成績未儲存</translation>
    </message>
    <message>
        <source>Some scores could not be saved and are kept only while Zandrel runs.

Try to save them again, or close Zandrel and lose them?</source>
        <translation>有些成績未能儲存，只在 Zandrel 執行期間保留。

要再試一次儲存，還是關閉 Zandrel 並遺失這些成績？</translation>
    </message>
    <message>
        <source>History Not Saved</source>
        <translation>歷史紀錄未儲存</translation>
    </message>
    <message>
        <source>Some draws and scores could not be added to the history and are kept only while Zandrel runs.

Try to add them again, or close Zandrel and lose them?</source>
        <translation>部分抽取和成績未能寫入歷史記錄，僅在 Zandrel 執行期間保留。

要再試一次，還是關閉 Zandrel 並捨棄它們？</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試一次</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>仍然關閉</translation>
    </message>
    <message>
        <source>Zandrel cannot add the draws and scores to the history file
%1

They are kept while Zandrel runs, and every new draw or score tries to add them again. Check that the disk has free space and that this folder can be written to.</source>
        <translation>Zandrel 無法將抽籤與成績寫入歷史紀錄檔
%1

在 Zandrel 執行期間會保留它們，每次新的抽籤或成績都會再次嘗試寫入。請檢查磁碟是否有剩餘空間，以及此資料夾是否可以寫入。</translation>
    </message>
    <message>
        <source>Backup Not Made</source>
        <translation>未能備份</translation>
    </message>
    <message>
        <source>Zandrel could not keep its daily copy of the classes in %1. Your scores are saved all the same; check that the folder can be written.</source>
        <translation>Zandrel 無法在 %1 中保留每天的班級資料副本。成績照常儲存；請檢查該資料夾是否可寫入。</translation>
    </message>
</context>
<context>
    <name>ScoreBook</name>
    <message>
        <source>%1 was not removed: the scores of %2 no longer end with it</source>
        <translation>未刪除 %1：%2 的成績已不再以它結尾</translation>
    </message>
    <message>
        <source>Removed %1 from %2</source>
        <translation>已刪除 %2 的成績 %1</translation>
    </message>
</context>
<context>
    <name>ScoreChooser</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation>請輸入字母「A」、「B」、「C」、「D」、「E」或「F」</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation>請輸入字母「A」、「B」、「C」、「D」、「E」或「F」</translation>
    </message>
    <message>
        <source>No letter given: no student is drawn or shown yet</source>
        <translation>未給成績：還沒有抽到或顯示任何學生</translation>
    </message>
</context>
<context>
    <name>ScoreWorkbook</name>
    <message>
        <source>ID</source>
        <translation>學號</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>次數</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均分數</translation>
    </message>
</context>
<context>
    <name>SessionDrawCommands</name>
    <message>
        <source>There is no class to draw from: add one in Class &gt; Class Settings.</source>
        <translation>沒有可抽取的班級：請在「班級 &gt; 班級設定」中新增。</translation>
    </message>
    <message>
        <source>A draw is running in the main window: stop it there first.</source>
        <translation>主視窗中正在抽籤：請先在那裡停止。</translation>
    </message>
    <message>
        <source>Nobody in %1 can be drawn: the class has no students, or all of them are absent today.</source>
        <translation>%1 中沒有可抽取的學生：該班沒有學生，或今天全部缺席。</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech Setting</source>
        <translation>語音設定</translation>
    </message>
    <message>
        <source>Voice Library</source>
        <translation>語音庫</translation>
    </message>
    <message>
        <source>Test Text</source>
        <translation>測試文字</translation>
    </message>
    <message>
        <source>2015</source>
        <translation>2015</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Test it !</source>
        <translation>試聽</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>語速</translation>
    </message>
    <message>
        <source>Test it!</source>
        <translation>試聽</translation>
    </message>
    <message>
        <source>Random select voice library for every reading</source>
        <translation>每次朗讀時隨機選擇語音庫</translation>
    </message>
    <message>
        <source>Random select voice library</source>
        <translation>隨機選擇語音庫</translation>
    </message>
    <message>
        <source>Disable Voice</source>
        <translation>關閉語音</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Read numbers digit by digit</source>
        <translation>數字逐位朗讀</translation>
    </message>
    <message>
        <source>Read the student&apos;s name</source>
        <translation>朗讀學生姓名</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>播報內容</translation>
    </message>
    <message>
        <source>What is read for a drawn student&apos;s ID: %1 stands for the ID; without %1 it is read after the text</source>
        <translation>抽中學生時朗讀學號的句子：%1 代表學號；不含 %1 時，學號讀在這段文字之後</translation>
    </message>
    <message>
        <source>Announcement with names</source>
        <translation>姓名播報內容</translation>
    </message>
    <message>
        <source>What is read for a drawn student&apos;s name: %1 stands for the name; without %1 it is read after the text</source>
        <translation>抽中學生時朗讀姓名的句子：%1 代表姓名；不含 %1 時，姓名讀在這段文字之後</translation>
    </message>
</context>
<context>
    <name>SpeechService</name>
    <message>
        <source>No sound device was found; drawn IDs are not read aloud.</source>
        <translation>找不到音訊裝置，抽中的學號不會被朗讀。</translation>
    </message>
</context>
<context>
    <name>StatusBarControls</name>
    <message>
        <source>Voice Closed</source>
        <translation>語音已關閉</translation>
    </message>
    <message>
        <source>Voice Opened</source>
        <translation>語音已開啟</translation>
    </message>
</context>
<context>
    <name>StudentCounts</name>
    <message>
        <source>%1 Students (%2 absent)</source>
        <translation>%1 名學生（%2 人缺席）</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>名學生</translation>
    </message>
    <message>
        <source>%1 of %2 left in this round</source>
        <translation>本輪還剩 %1/%2 人</translation>
    </message>
</context>
<context>
    <name>StudentIdCheck</name>
    <message numerus="yes">
        <source>%n students cannot be drawn: their IDs are not whole numbers or are used twice: %1</source>
        <translation>
            <numerusform>%n 名學生無法被抽到：他們的學號不是整數或被重複使用：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a student ID: an ID is a whole number.</source>
        <translation>%1 不是學號：學號是一個整數。</translation>
    </message>
    <message>
        <source>The ID %1 is used by two students. Change one of them before saving.</source>
        <translation>學號 %1 被兩名學生使用。請先修改其中一個再儲存。</translation>
    </message>
</context>
<context>
    <name>TileDrawDisplay</name>
    <message>
        <source>Stop Trace!</source>
        <translation>停止點名</translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation>點名！</translation>
    </message>
</context>
<context>
    <name>TvRollerDrawDisplay</name>
    <message>
        <source>Stop Roll!</source>
        <translation>停止滾動</translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation>滾動！</translation>
    </message>
</context>
<context>
    <name>VoiceNames</name>
    <message>
        <source>Chinese (Mandarin)</source>
        <translation>普通話 (Mandarin)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>粵語 (Cantonese)</translation>
    </message>
    <message>
        <source>English (America)</source>
        <translation>英語 (美國)</translation>
    </message>
    <message>
        <source>English (America, New York City)</source>
        <translation>英語 (美國紐約)</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <translation>英語 (英國)</translation>
    </message>
    <message>
        <source>English (Received Pronunciation)</source>
        <translation>英語 (標準英音)</translation>
    </message>
    <message>
        <source>English (Scotland)</source>
        <translation>英語 (蘇格蘭)</translation>
    </message>
    <message>
        <source>English (Lancaster)</source>
        <translation>英語 (蘭開斯特)</translation>
    </message>
    <message>
        <source>English (West Midlands)</source>
        <translation>英語 (西米德蘭茲)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>英語 (加勒比)</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>This file is not an Excel workbook (.xlsx). A workbook in the old .xls format or one protected by a password cannot be read: save it in Excel as an .xlsx workbook without a password, then import it again.</source>
        <translation>此檔案不是 Excel 活頁簿 (.xlsx)。舊版 .xls 格式的活頁簿或設有密碼的活頁簿無法讀取：請在 Excel 中將其另存為不含密碼的 .xlsx 活頁簿，然後重新匯入。</translation>
    </message>
    <message>
        <source>This Excel workbook is damaged and cannot be read.</source>
        <translation>此 Excel 活頁簿已損毀，無法讀取。</translation>
    </message>
    <message>
        <source>This Excel workbook has no worksheet that can be read: parts of it are missing.</source>
        <translation>此 Excel 活頁簿中沒有可以讀取的工作表：其中部分內容遺失。</translation>
    </message>
    <message>
        <source>This Excel workbook is too large to be a class list (more than 64 MiB).</source>
        <translation>此 Excel 活頁簿太大，不可能是班級名單（超過 64 MiB）。</translation>
    </message>
    <message>
        <source>This Excel workbook holds formulas whose values were never calculated, as programs that write workbooks leave them: open it in a spreadsheet program (Excel, WPS or LibreOffice) and save it once, then import it again.</source>
        <translation>此 Excel 活頁簿中的公式從未計算出結果（由程式產生的活頁簿常會如此）：請在試算表軟體（Excel、WPS 或 LibreOffice）中開啟它並儲存一次，然後重新匯入。</translation>
    </message>
</context>
</TS>
