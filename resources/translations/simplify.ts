<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Zandrel</source>
        <translation>关于 Zandrel</translation>
    </message>
    <message>
        <source>Contact us </source>
        <translation>联系我们 </translation>
    </message>
    <message>
        <source>Zandrel %1</source>
        <translation>Zandrel %1</translation>
    </message>
    <message>
        <source>A classroom tool: draws on five displays, drawn students read aloud, letter scores and their averages.</source>
        <translation>课堂工具：五种显示方式的抽签、朗读抽中的学生、字母成绩及其平均分。</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0).</source>
        <translation>许可证：GNU 通用公共许可证第 3 版或更高版本（GPL-3.0）。</translation>
    </message>
</context>
<context>
    <name>AbsentStudentsDialog</name>
    <message>
        <source>Absent Students</source>
        <translation>缺席学生</translation>
    </message>
    <message>
        <source>Check the students who are absent today. They are left out of every draw until tomorrow.</source>
        <translation>勾选今天缺席的学生。他们在明天之前不参加任何抽签。</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>学号</translation>
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
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>This file is not a Zandrel backup. Nothing was changed.</source>
        <translation>这个文件不是 Zandrel 备份，没有做任何更改。</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be restored. Nothing was changed.</source>
        <translation>这个备份已损坏，无法恢复，没有做任何更改。</translation>
    </message>
    <message>
        <source>A part of this file is larger than any Zandrel backup holds. Nothing was changed.</source>
        <translation>这个文件中有一部分比任何 Zandrel 备份都大，没有做任何更改。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>The current classes and settings could not be kept in %1 first, so nothing was restored.</source>
        <translation>无法先把当前的班级和设置保存到 %1，所以没有恢复任何内容。</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Back Up Everything</source>
        <translation>备份全部</translation>
    </message>
    <message>
        <source>Every class, student and score, the settings, and the score and history files go into one file. Keep it on a USB stick or another computer.</source>
        <translation>所有班级、学生和成绩，以及设置、成绩文件和历史记录文件都会写进一个文件。请把它保存到 U 盘或另一台电脑上。</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Include collected homework</source>
        <translation>包括收到的作业</translation>
    </message>
    <message>
        <source>The class and student folders with the homework files; they can be large</source>
        <translation>班级和学生文件夹以及其中的作业文件，可能很大</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Zandrel Backup (*.zip)</source>
        <translation>Zandrel 备份 (*.zip)</translation>
    </message>
    <message>
        <source>Everything was backed up to %1.</source>
        <translation>全部内容已备份到 %1。</translation>
    </message>
</context>
<context>
    <name>BatchAddIDDialog</name>
    <message>
        <source>Input ID Range</source>
        <translation>输入学号范围</translation>
    </message>
    <message>
        <source>ID From</source>
        <translation>学号从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>ID should not be empty!</source>
        <translation>学号不能为空！</translation>
    </message>
</context>
<context>
    <name>CalculateAveScoreDialog</name>
    <message>
        <source>Calculate Score</source>
        <translation>计算成绩</translation>
    </message>
    <message>
        <source>Set Base Score (If ave score takes 30 points, 
you can assign &apos;A&apos; to 30, &apos;F&apos; to &apos;10&apos;)</source>
        <translation>设置基准分数（如果平均成绩占 30 分， 
可以把“A”设为 30，“F”设为 10）</translation>
    </message>
    <message>
        <source>&apos;A&apos;=</source>
        <translation>“A”=</translation>
    </message>
    <message>
        <source>&apos;F&apos;=</source>
        <translation>“F”=</translation>
    </message>
    <message>
        <source>Calculate students&apos; average score for current class</source>
        <translation>计算当前班级学生的平均成绩</translation>
    </message>
    <message>
        <source>Open the [ClassName]_score100.txt and [ClassName]_score100.csv in working directory. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</source>
        <translation>打开工作文件夹中的 [ClassName]_score100.txt 和 [ClassName]_score100.csv。.csv 文件可以用 Microsoft Office Excel, OpenOffice, WPS 或记事本打开。</translation>
    </message>
    <message>
        <source>Open Score</source>
        <translation>打开成绩</translation>
    </message>
    <message>
        <source>Open the current working directory containing [ClassName]_score100.txt and [ClassName]_score100.csv. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</source>
        <translation>打开存放 [ClassName]_score100.txt 和 [ClassName]_score100.csv 的当前工作文件夹。.csv 文件可以用 Microsoft Office Excel, OpenOffice, WPS 或记事本打开。</translation>
    </message>
    <message>
        <source>Open Score Dir</source>
        <translation>打开成绩文件夹</translation>
    </message>
    <message>
        <source>Round Off ([30.1-&gt;30] , [30.5-&gt;31])</source>
        <translation>四舍五入 ([30.1-&gt;30] , [30.5-&gt;31])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30] , [30.5-&gt;31]</source>
        <translation>[30.1-&gt;30] , [30.5-&gt;31]</translation>
    </message>
    <message>
        <source>Integer Only ([30.1-&gt;30] , [30.5 - 30])</source>
        <translation>只取整数 ([30.1-&gt;30] , [30.5 - 30])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30] , [30.5 - 30]</source>
        <translation>[30.1-&gt;30] , [30.5 - 30]</translation>
    </message>
    <message>
        <source>Keep Float ([30.1-&gt;30.1], [30.5-&gt;30.5])</source>
        <translation>保留小数 ([30.1-&gt;30.1], [30.5-&gt;30.5])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30.1], [30.5-&gt;30.5]</source>
        <translation>[30.1-&gt;30.1], [30.5-&gt;30.5]</translation>
    </message>
    <message>
        <source>Define A and F score!</source>
        <translation>请设置 A 和 F 的分数！</translation>
    </message>
    <message>
        <source>Please define A and F&apos;s score, such as A to 30, F to 10!</source>
        <translation>请设置 A 和 F 对应的分数，例如 A 为 30，F 为 10！</translation>
    </message>
    <message>
        <source>Write [ClassName]_score100.xlsx in working directory and open it. The IDs stay exactly as stored, also in Microsoft Office Excel, WPS and LibreOffice.</source>
        <translation>在工作文件夹中写入 [ClassName]_score100.xlsx 并打开它。在 Microsoft Office Excel、WPS 和 LibreOffice 中，学号也与保存的完全一致。</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>导出到 Excel</translation>
    </message>
    <message>
        <source>Calculate Ave Score - %1</source>
        <translation>计算平均成绩 - %1</translation>
    </message>
    <message>
        <source>The average scores of %1 were written to
%2
and
%3</source>
        <translation>%1 的平均成绩已写入
%2
和
%3</translation>
    </message>
    <message>
        <source>No score files were written: choose a class in the main window first.</source>
        <translation>没有写入成绩文件：请先在主窗口中选择一个班级。</translation>
    </message>
    <message>
        <source>No score files were written: the class name %1 holds a / or \, which a file name cannot. Rename the class in Class Settings.</source>
        <translation>没有写入成绩文件：班级名称 %1 含有 / 或 \，不能用作文件名。请在班级设置中给班级改名。</translation>
    </message>
    <message>
        <source>The score files of %1 could not be written into %2. Check that the folder exists, can be written and the disk is not full.</source>
        <translation>无法把 %1 的成绩文件写入 %2。请检查该文件夹是否存在、是否可写，以及磁盘是否已满。</translation>
    </message>
</context>
<context>
    <name>ClassSettingDialog</name>
    <message>
        <source>Class Setting</source>
        <translation>班级设置</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>班级列表</translation>
    </message>
    <message>
        <source>Add  Class</source>
        <translation>添加班级</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>删除班级</translation>
    </message>
    <message>
        <source>ID, Name List</source>
        <translation>学号、姓名列表</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>添加学生</translation>
    </message>
    <message>
        <source>Batch Add Student</source>
        <translation>批量添加学生</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>删除学生</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Import students information from .txt or .csv file</source>
        <translation>从 .txt 或 .csv 文件导入学生信息</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Sort by Score</source>
        <translation>按成绩排序</translation>
    </message>
    <message>
        <source>Sort by Number of Score</source>
        <translation>按成绩次数排序</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>学号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Class Setting Information</source>
        <translation>班级设置提示</translation>
    </message>
    <message>
        <source>Class Information has been modified, do you want to save it?</source>
        <translation>班级信息已修改，是否保存？</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source>You can&apos;t add more than 1000 students!</source>
        <translation>一次最多只能添加 1000 名学生！</translation>
    </message>
    <message>
        <source>Open ID File</source>
        <translation>打开学号文件</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Scores Not Saved</source>
        <translation>成绩未保存</translation>
    </message>
    <message>
        <source>Zandrel cannot save the classes and scores to
%1

The scores given are kept while Zandrel runs, and every new score tries to save them again. Check that the disk has free space and that this folder can be written to.</source>
        <translation>Zandrel 无法将班级和成绩保存到
%1

已给出的成绩在 Zandrel 运行期间会保留，每给出一个新成绩都会再次尝试保存。请检查磁盘是否有剩余空间，以及该文件夹是否可以写入。</translation>
    </message>
    <message>
        <source>Text/CSV files (*.txt *.csv)</source>
        <translation>文本/CSV 文件 (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Class List Damaged</source>
        <translation>班级名单已损坏</translation>
    </message>
    <message>
        <source>The class list could not be read completely. A copy of it was kept: %1</source>
        <translation>无法完整读取班级名单。已保留一份副本：%1</translation>
    </message>
    <message>
        <source>%1 record added in this file!</source>
        <translation>已从此文件添加 %1 条记录！</translation>
    </message>
    <message>
        <source>0 record added in this file!</source>
        <translation>已从此文件添加 0 条记录！</translation>
    </message>
    <message>
        <source>Sorry, no ID and Name recognized in this file!</source>
        <translation>抱歉，此文件中没有识别出学号和姓名！</translation>
    </message>
    <message>
        <source>There is a class named %1 already. The class keeps its name %2.</source>
        <translation>已有名为 %1 的班级。该班级保留原名 %2。</translation>
    </message>
    <message>
        <source>Files Not Written</source>
        <translation>文件未写入</translation>
    </message>
    <message numerus="yes">
        <source>Delete the class %1 with %n students and their scores?</source>
        <translation>
            <numerusform>删除班级 %1 及其 %n 名学生和他们的成绩吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Show this help and end.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Draw one student, or N at once, in Zandrel; Zandrel is started first when it is not running.</source>
        <translation>在 Zandrel 中抽取一名学生，或一次抽取 N 名；Zandrel 未运行时先启动它。</translation>
    </message>
    <message>
        <source>Give the score letter (A to F) to the student drawn last.</source>
        <translation>给最近抽到的学生打分（字母 A 到 F）。</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>字母</translation>
    </message>
    <message>
        <source>Show (on) or hide (off) the floating draw button.</source>
        <translation>显示（on）或隐藏（off）悬浮抽签按钮。</translation>
    </message>
    <message>
        <source>on|off</source>
        <translation>on|off</translation>
    </message>
    <message>
        <source>Bring the main window to the front.</source>
        <translation>把主窗口调到最前面。</translation>
    </message>
    <message>
        <source>Zandrel: classroom draw, read-aloud and score keeping.
Without an option it opens its window. The commands go to the Zandrel that is running; they end with status 0 when it has done them, or with a message and status 1.</source>
        <translation>Zandrel：课堂抽签、朗读与成绩记录。
不带选项时打开程序窗口。各命令交给正在运行的 Zandrel 执行；执行成功时以状态 0 结束，否则给出提示并以状态 1 结束。</translation>
    </message>
    <message>
        <source>With --draw: how many students to draw at once, 1 to %1.</source>
        <translation>与 --draw 一起使用：一次抽取的学生人数，1 到 %1。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>Give one of --draw, --score, --floating and --show at a time.</source>
        <translation>--draw、--score、--floating 和 --show 每次只能给出一个。</translation>
    </message>
    <message>
        <source>The number of students to draw must be a whole number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>抽取人数必须是 1 到 %1 之间的整数，而不是“%2”。</translation>
    </message>
    <message>
        <source>The score must be one of the letters A to F, not &quot;%1&quot;.</source>
        <translation>成绩必须是字母 A 到 F 之一，而不是“%1”。</translation>
    </message>
    <message>
        <source>--floating takes on or off, not &quot;%1&quot;.</source>
        <translation>--floating 只接受 on 或 off，而不是“%1”。</translation>
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
        <translation>单击抽取一名学生；拖动可移动；右键查看更多</translation>
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
        <translation>打开主窗口</translation>
    </message>
    <message>
        <source>Hide the Button</source>
        <translation>隐藏按钮</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽签</translation>
    </message>
</context>
<context>
    <name>FloatingDraws</name>
    <message>
        <source>Zandrel has a dialog open: close it first.</source>
        <translation>Zandrel 有一个对话框正开着：请先关闭它。</translation>
    </message>
    <message>
        <source>Nobody has been drawn yet.</source>
        <translation>还没有抽到任何学生。</translation>
    </message>
    <message>
        <source>%1 is no longer in the class.</source>
        <translation>%1 已不在本班。</translation>
    </message>
    <message>
        <source>%1 given to %2.</source>
        <translation>已给 %2 打 %1。</translation>
    </message>
</context>
<context>
    <name>FloatingResultWindow</name>
    <message>
        <source>Give %1 to %2</source>
        <translation>给 %2 打 %1</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Draws and scores, newest first</source>
        <translation>抽签与成绩（最新的在前）</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示方式</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>学号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Times Drawn</source>
        <translation>抽中次数</translation>
    </message>
    <message>
        <source>Last Drawn</source>
        <translation>最近抽中</translation>
    </message>
    <message>
        <source>Letters Given</source>
        <translation>所给成绩</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>抽签</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED 显示屏</translation>
    </message>
    <message>
        <source>LED Roll</source>
        <translation>LED 滚动</translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation>方块墙</translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation>电视滚屏</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>转轮</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>%1 的历史记录</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>%n 行无法读取</numerusform>
        </translation>
    </message>
    <message>
        <source>Floating Button</source>
        <translation>悬浮按钮</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>命令行</translation>
    </message>
</context>
<context>
    <name>ImportFileCheck</name>
    <message>
        <source>Nothing was imported: %1 no longer exists.</source>
        <translation>未导入任何内容：%1 已不存在。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is a folder.</source>
        <translation>未导入任何内容：%1 是一个文件夹。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is not an ordinary file.</source>
        <translation>未导入任何内容：%1 不是普通文件。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is larger than %2 MB, far more than any class list.</source>
        <translation>未导入任何内容：%1 大于 %2 MB，远超任何班级名单的大小。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 cannot be read (%2).</source>
        <translation>未导入任何内容：无法读取 %1（%2）。</translation>
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
        <translation>Zandrel 已在这台电脑上运行。请使用已打开的窗口，以免丢失成绩。</translation>
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
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zandrel v2.0</source>
        <translation>Zandrel v2.0 课堂抽签</translation>
    </message>
    <message>
        <source>0 Students.</source>
        <translation>0 名学生</translation>
    </message>
    <message>
        <source>Start lottery</source>
        <translation>开始抽签</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Adjust running speed</source>
        <translation>调整抽签速度</translation>
    </message>
    <message>
        <source>Score(A-F)</source>
        <translation>成绩(A-F)</translation>
    </message>
    <message>
        <source>Input &apos;A&apos;-&apos;F&apos; and press enter key to accept</source>
        <translation>输入“A”到“F”，按回车键确认</translation>
    </message>
    <message>
        <source>Input score &apos;A&apos; to current student</source>
        <translation>给当前学生记成绩“A”</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Input score &apos;B&apos; to current student</source>
        <translation>给当前学生记成绩“B”</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Input score &apos;C&apos; to current student</source>
        <translation>给当前学生记成绩“C”</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Input score &apos;D&apos; to current student</source>
        <translation>给当前学生记成绩“D”</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Input score &apos;E&apos; to current student</source>
        <translation>给当前学生记成绩“E”</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Input score &apos;F&apos; to current student</source>
        <translation>给当前学生记成绩“F”</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Set text rolling in LED</source>
        <translation>让 LED 上的文字滚动显示</translation>
    </message>
    <message>
        <source>Roll Mode</source>
        <translation>滚动模式</translation>
    </message>
    <message>
        <source>Wheel it!</source>
        <translation>转动！</translation>
    </message>
    <message>
        <source>Choose wheel number</source>
        <translation>选择转轮数量</translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation>点名！</translation>
    </message>
    <message>
        <source>Set score to the selected student</source>
        <translation>为选中的学生选择成绩</translation>
    </message>
    <message>
        <source>Input score to the selected student</source>
        <translation>为选中的学生输入成绩</translation>
    </message>
    <message>
        <source>Set rectangle shown</source>
        <translation>显示方块边框</translation>
    </message>
    <message>
        <source>Bound</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation>滚动！</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Set visible items in screen</source>
        <translation>设置屏幕上显示的人数</translation>
    </message>
    <message>
        <source>Sel.</source>
        <translation>抽中</translation>
    </message>
    <message>
        <source>Set the number of the selected items</source>
        <translation>设置每次抽中的人数</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>班级</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>Lottery Mode</source>
        <translation>抽签模式</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Language Support</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Open Student Directory</source>
        <translation>打开学生文件夹</translation>
    </message>
    <message>
        <source>Move Homework</source>
        <translation>移动作业</translation>
    </message>
    <message>
        <source>Class Settings</source>
        <translation>班级设置</translation>
    </message>
    <message>
        <source>Calculate Ave Score</source>
        <translation>计算平均成绩</translation>
    </message>
    <message>
        <source>Chinese Simplify</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED 显示屏</translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation>方块墙</translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation>电视滚屏</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>转轮</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No Repeats in a Round</source>
        <translation>每轮不重复</translation>
    </message>
    <message>
        <source>Start a New Round</source>
        <translation>开始新一轮</translation>
    </message>
    <message>
        <source>Absent Students...</source>
        <translation>缺席学生...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>历史记录...</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>撤销上一个成绩</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>All students have been drawn; a new round begins</source>
        <translation>所有学生都已抽过，开始新一轮</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Show Names</source>
        <translation>显示姓名</translation>
    </message>
    <message>
        <source>%1 (Page Down / Page Up)</source>
        <translation>%1（翻页键 Page Down / Page Up）</translation>
    </message>
    <message>
        <source>Previous ID</source>
        <translation>上一个学号</translation>
    </message>
    <message>
        <source>Next ID</source>
        <translation>下一个学号</translation>
    </message>
    <message>
        <source>Back Up Everything...</source>
        <translation>备份全部...</translation>
    </message>
    <message>
        <source>Restore from Backup...</source>
        <translation>从备份恢复...</translation>
    </message>
    <message>
        <source>Restore an Earlier Day...</source>
        <translation>恢复到较早的一天...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quick Guide</source>
        <translation>快速入门</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>No students yet: add them in Class &gt; Class Settings.</source>
        <translation>还没有学生：请在“班级 &gt; 班级设置”中添加。</translation>
    </message>
    <message>
        <source>Floating Draw Button</source>
        <translation>悬浮抽签按钮</translation>
    </message>
    <message>
        <source>A draw button over every window, full-screen slides included</source>
        <translation>浮在所有窗口（包括全屏幻灯片）之上的抽签按钮</translation>
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
        <translation>将作业移到班级文件夹</translation>
    </message>
    <message>
        <source>Download Path</source>
        <translation>下载路径</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;The student homework should be named as &amp;quot;ID_*&amp;quot; in the Download Path.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Such as, for student 10322015, homework chapter 2, the 5th question, you can ask his homework named as 10322015_2_5.txt.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;下载路径中的学生作业应命名为&amp;quot;学号_*&amp;quot;。&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;例如：学号为 10322015 的学生，第 2 章第 5 题的作业，可要求其命名为 10322015_2_5.txt。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the homework download directory.</source>
        <translation>选择作业的下载文件夹。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Class Path</source>
        <translation>班级路径</translation>
    </message>
    <message>
        <source>Open current class directory.</source>
        <translation>打开当前班级的文件夹。</translation>
    </message>
    <message>
        <source>Copy homework from Download path to class directory instead of moving.</source>
        <translation>将作业从下载路径复制到班级文件夹，而不是移动。</translation>
    </message>
    <message>
        <source>Copy Homework</source>
        <translation>复制作业</translation>
    </message>
    <message>
        <source>Copy or move homework to student directory instead of class directory</source>
        <translation>将作业复制或移动到学生文件夹，而不是班级文件夹</translation>
    </message>
    <message>
        <source>To Student Directory</source>
        <translation>放到学生文件夹</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>(Last scan time...)</source>
        <translation>（上次扫描时间……）</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
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
下载路径无效！

</translation>
    </message>
    <message>
        <source> files moved successfully!</source>
        <translation> 个文件已成功移动！</translation>
    </message>
    <message>
        <source> files copied successfully!</source>
        <translation> 个文件已成功复制！</translation>
    </message>
    <message>
        <source>Move </source>
        <translation>移动 </translation>
    </message>
    <message>
        <source>Copy </source>
        <translation>复制 </translation>
    </message>
    <message>
        <source> to </source>
        <translation> 到 </translation>
    </message>
    <message>
        <source>Set Download Directory</source>
        <translation>设置下载文件夹</translation>
    </message>
    <message>
        <source>%1 files could not be moved and are still in the download folder.</source>
        <translation>%1 个文件无法移动，仍在下载文件夹中。</translation>
    </message>
    <message>
        <source>%1 files could not be copied.</source>
        <translation>%1 个文件无法复制。</translation>
    </message>
    <message>
        <source>the class name or the student ID cannot be a folder name</source>
        <translation>班级名称或学号不能用作文件夹名称</translation>
    </message>
    <message>
        <source>Could not move %1: %2</source>
        <translation>无法移动 %1：%2</translation>
    </message>
    <message>
        <source>Could not copy %1: %2</source>
        <translation>无法复制 %1：%2</translation>
    </message>
    <message>
        <source>%1 already holds a file of that name</source>
        <translation>%1 中已有同名文件</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取该文件（%1）</translation>
    </message>
    <message>
        <source>it cannot be written to %1 (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>it changed while it was copied, perhaps because it is still downloading</source>
        <translation>复制期间文件发生了变化，可能仍在下载中</translation>
    </message>
    <message>
        <source>it cannot be removed from the download folder (%1)</source>
        <translation>无法从下载文件夹中删除该文件（%1）</translation>
    </message>
</context>
<context>
    <name>QuickGuideDialog</name>
    <message>
        <source>Quick Guide</source>
        <translation>快速入门</translation>
    </message>
</context>
<context>
    <name>RemoteCommandClient</name>
    <message>
        <source>There is no runtime folder (XDG_RUNTIME_DIR) to reach Zandrel through.</source>
        <translation>没有可用来联系 Zandrel 的运行时文件夹（XDG_RUNTIME_DIR）。</translation>
    </message>
    <message>
        <source>Zandrel is not running.</source>
        <translation>Zandrel 没有在运行。</translation>
    </message>
    <message>
        <source>Zandrel could not be started.</source>
        <translation>无法启动 Zandrel。</translation>
    </message>
    <message>
        <source>Zandrel was started but did not come up within %1 seconds.</source>
        <translation>Zandrel 已启动，但在 %1 秒内没有就绪。</translation>
    </message>
    <message>
        <source>Zandrel is running but did not answer within %1 seconds.</source>
        <translation>Zandrel 正在运行，但在 %1 秒内没有应答。</translation>
    </message>
</context>
<context>
    <name>RemoteCommandServer</name>
    <message>
        <source>Zandrel does not know the command &quot;%1&quot;.</source>
        <translation>Zandrel 不认识命令“%1”。</translation>
    </message>
</context>
<context>
    <name>RemoteReply</name>
    <message>
        <source>Zandrel gave an answer this start cannot read.</source>
        <translation>Zandrel 给出的应答无法识别。</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <source>Backup file:</source>
        <translation>备份文件：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Restore an Earlier Day</source>
        <translation>恢复到较早的一天</translation>
    </message>
    <message>
        <source>In the backup</source>
        <translation>备份中</translation>
    </message>
    <message>
        <source>On that day</source>
        <translation>那一天</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>班级</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>学生</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>There is no earlier day yet: Zandrel keeps a copy of the classes before the first score of each day.</source>
        <translation>还没有较早的一天：Zandrel 会在每天第一次打分之前保留一份班级数据。</translation>
    </message>
    <message>
        <source>Scores given since then that the restore takes back: %1</source>
        <translation>恢复后将撤回此后给出的成绩：%1 个</translation>
    </message>
    <message>
        <source>Zandrel Backup (*.zip)</source>
        <translation>Zandrel 备份 (*.zip)</translation>
    </message>
    <message>
        <source>Put back the classes, scores and settings shown on the left? What is there now is kept in a backup first, and Zandrel starts again.</source>
        <translation>要恢复左侧显示的班级、成绩和设置吗？现在的内容会先保存到一个备份中，然后 Zandrel 会重新启动。</translation>
    </message>
    <message>
        <source>What was there before is kept in %1.</source>
        <translation>恢复之前的内容保存在 %1。</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message numerus="yes">
        <source>%n name filled in.</source>
        <translation>
            <numerusform>已填入 %n 个姓名。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names filled in.</source>
        <translation>
            <numerusform>已填入 %n 个姓名。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>跳过 %n 行：学号不是整数（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>跳过 %n 行：学号不是整数（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>跳过 %n 行：学号不是整数（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>跳过 %n 行：学号不是整数（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>跳过 %n 行：学号被存成了舍入后的数字（%1）；请在电子表格中将学号存为文本。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>跳过 %n 行：学号被存成了舍入后的数字（%1）；请在电子表格中将学号存为文本。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>跳过 %n 行：学号被存成了舍入后的数字（%1）；请在电子表格中将学号存为文本。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>跳过 %n 行：学号被存成了舍入后的数字（%1）；请在电子表格中将学号存为文本。</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the sheet %1.</source>
        <translation>读取了工作表 %1。</translation>
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
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
<context>
    <name>RosterStore</name>
    <message>
        <source>The class name %1 cannot be used as a file name: rename the class to keep its history and score files.</source>
        <translation>班级名称 %1 不能用作文件名：请重命名该班级，以保存其历史记录和成绩文件。</translation>
    </message>
</context>
<context>
    <name>SaveFailureReports</name>
    <message>
        <source>Scores Not Saved</source>
        <translation>成绩未保存</translation>
    </message>
    <message>
        <source>Some scores could not be saved and are kept only while Zandrel runs.

Try to save them again, or close Zandrel and lose them?</source>
        <translation>有些成绩未能保存，只在 Zandrel 运行期间保留。

要再试一次保存，还是关闭 Zandrel 并丢失这些成绩？</translation>
    </message>
    <message>
        <source>History Not Saved</source>
        <translation>历史记录未保存</translation>
    </message>
    <message>
        <source>Some draws and scores could not be added to the history and are kept only while Zandrel runs.

Try to add them again, or close Zandrel and lose them?</source>
        <translation>部分抽取和成绩未能写入历史记录，仅在 Zandrel 运行期间保留。

要再试一次，还是关闭 Zandrel 并丢弃它们？</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再试一次</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>仍然关闭</translation>
    </message>
    <message>
        <source>Zandrel cannot add the draws and scores to the history file
%1

They are kept while Zandrel runs, and every new draw or score tries to add them again. Check that the disk has free space and that this folder can be written to.</source>
        <translation>Zandrel 无法把抽签和成绩写入历史记录文件
%1

在 Zandrel 运行期间会保留它们，每次新的抽签或成绩都会再次尝试写入。请检查磁盘是否有剩余空间，以及此文件夹是否可以写入。</translation>
    </message>
    <message>
        <source>Backup Not Made</source>
        <translation>未能备份</translation>
    </message>
    <message>
        <source>Zandrel could not keep its daily copy of the classes in %1. Your scores are saved all the same; check that the folder can be written.</source>
        <translation>Zandrel 无法在 %1 中保留每天的班级数据副本。成绩照常保存；请检查该文件夹是否可写。</translation>
    </message>
</context>
<context>
    <name>ScoreBook</name>
    <message>
        <source>%1 was not removed: the scores of %2 no longer end with it</source>
        <translation>未删除 %1：%2 的成绩已不再以它结尾</translation>
    </message>
    <message>
        <source>Removed %1 from %2</source>
        <translation>已删除 %2 的成绩 %1</translation>
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
        <translation>请输入字母“A”、“B”、“C”、“D”、“E”或“F”</translation>
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
        <translation>请输入字母“A”、“B”、“C”、“D”、“E”或“F”</translation>
    </message>
    <message>
        <source>No letter given: no student is drawn or shown yet</source>
        <translation>未给成绩：还没有抽到或显示任何学生</translation>
    </message>
</context>
<context>
    <name>ScoreWorkbook</name>
    <message>
        <source>ID</source>
        <translation>学号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均分</translation>
    </message>
</context>
<context>
    <name>SessionDrawCommands</name>
    <message>
        <source>There is no class to draw from: add one in Class &gt; Class Settings.</source>
        <translation>没有可抽取的班级：请在“班级 &gt; 班级设置”中添加。</translation>
    </message>
    <message>
        <source>A draw is running in the main window: stop it there first.</source>
        <translation>主窗口中正在抽签：请先在那里停止。</translation>
    </message>
    <message>
        <source>Nobody in %1 can be drawn: the class has no students, or all of them are absent today.</source>
        <translation>%1 中没有可抽取的学生：该班没有学生，或今天全部缺席。</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech Setting</source>
        <translation>语音设置</translation>
    </message>
    <message>
        <source>Voice Library</source>
        <translation>语音库</translation>
    </message>
    <message>
        <source>Test Text</source>
        <translation>测试文本</translation>
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
        <translation>试听</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>语速</translation>
    </message>
    <message>
        <source>Test it!</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>Random select voice library for every reading</source>
        <translation>每次朗读时随机选择语音库</translation>
    </message>
    <message>
        <source>Random select voice library</source>
        <translation>随机选择语音库</translation>
    </message>
    <message>
        <source>Disable Voice</source>
        <translation>关闭语音</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Read numbers digit by digit</source>
        <translation>数字逐位朗读</translation>
    </message>
    <message>
        <source>Read the student&apos;s name</source>
        <translation>朗读学生姓名</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>播报内容</translation>
    </message>
    <message>
        <source>What is read for a drawn student&apos;s ID: %1 stands for the ID; without %1 it is read after the text</source>
        <translation>抽中学生时朗读学号的句子：%1 代表学号；不含 %1 时，学号读在这段文字之后</translation>
    </message>
    <message>
        <source>Announcement with names</source>
        <translation>姓名播报内容</translation>
    </message>
    <message>
        <source>What is read for a drawn student&apos;s name: %1 stands for the name; without %1 it is read after the text</source>
        <translation>抽中学生时朗读姓名的句子：%1 代表姓名；不含 %1 时，姓名读在这段文字之后</translation>
    </message>
</context>
<context>
    <name>SpeechService</name>
    <message>
        <source>No sound device was found; drawn IDs are not read aloud.</source>
        <translation>未找到声音设备，抽中的学号不会被朗读。</translation>
    </message>
</context>
<context>
    <name>StatusBarControls</name>
    <message>
        <source>Voice Closed</source>
        <translation>语音已关闭</translation>
    </message>
    <message>
        <source>Voice Opened</source>
        <translation>语音已开启</translation>
    </message>
</context>
<context>
    <name>StudentCounts</name>
    <message>
        <source>%1 Students (%2 absent)</source>
        <translation>%1 名学生（%2 人缺席）</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>名学生</translation>
    </message>
    <message>
        <source>%1 of %2 left in this round</source>
        <translation>本轮还剩 %1/%2 人</translation>
    </message>
</context>
<context>
    <name>StudentIdCheck</name>
    <message numerus="yes">
        <source>%n students cannot be drawn: their IDs are not whole numbers or are used twice: %1</source>
        <translation>
            <numerusform>%n 名学生无法被抽到：他们的学号不是整数或被重复使用：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a student ID: an ID is a whole number.</source>
        <translation>%1 不是学号：学号是一个整数。</translation>
    </message>
    <message>
        <source>The ID %1 is used by two students. Change one of them before saving.</source>
        <translation>学号 %1 被两名学生使用。请先修改其中一个再保存。</translation>
    </message>
</context>
<context>
    <name>TileDrawDisplay</name>
    <message>
        <source>Stop Trace!</source>
        <translation>停止点名</translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation>点名！</translation>
    </message>
</context>
<context>
    <name>TvRollerDrawDisplay</name>
    <message>
        <source>Stop Roll!</source>
        <translation>停止滚动</translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation>滚动！</translation>
    </message>
</context>
<context>
    <name>VoiceNames</name>
    <message>
        <source>Chinese (Mandarin)</source>
        <translation>普通话 (Mandarin)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>粤语 (Cantonese)</translation>
    </message>
    <message>
        <source>English (America)</source>
        <translation>英语 (美国)</translation>
    </message>
    <message>
        <source>English (America, New York City)</source>
        <translation>英语 (美国纽约)</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <translation>英语 (英国)</translation>
    </message>
    <message>
        <source>English (Received Pronunciation)</source>
        <translation>英语 (标准英音)</translation>
    </message>
    <message>
        <source>English (Scotland)</source>
        <translation>英语 (苏格兰)</translation>
    </message>
    <message>
        <source>English (Lancaster)</source>
        <translation>英语 (兰开斯特)</translation>
    </message>
    <message>
        <source>English (West Midlands)</source>
        <translation>英语 (西米德兰兹)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>英语 (加勒比)</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>This file is not an Excel workbook (.xlsx). A workbook in the old .xls format or one protected by a password cannot be read: save it in Excel as an .xlsx workbook without a password, then import it again.</source>
        <translation>此文件不是 Excel 工作簿 (.xlsx)。旧的 .xls 格式的工作簿或设有密码的工作簿无法读取：请在 Excel 中将其另存为不带密码的 .xlsx 工作簿，然后重新导入。</translation>
    </message>
    <message>
        <source>This Excel workbook is damaged and cannot be read.</source>
        <translation>此 Excel 工作簿已损坏，无法读取。</translation>
    </message>
    <message>
        <source>This Excel workbook has no worksheet that can be read: parts of it are missing.</source>
        <translation>此 Excel 工作簿中没有可以读取的工作表：其中部分内容缺失。</translation>
    </message>
    <message>
        <source>This Excel workbook is too large to be a class list (more than 64 MiB).</source>
        <translation>此 Excel 工作簿太大，不可能是班级名单（超过 64 MiB）。</translation>
    </message>
    <message>
        <source>This Excel workbook holds formulas whose values were never calculated, as programs that write workbooks leave them: open it in a spreadsheet program (Excel, WPS or LibreOffice) and save it once, then import it again.</source>
        <translation>此 Excel 工作簿中的公式从未计算出结果（由程序生成的工作簿常会如此）：请在电子表格软件（Excel、WPS 或 LibreOffice）中打开它并保存一次，然后重新导入。</translation>
    </message>
</context>
</TS>
