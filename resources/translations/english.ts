<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Zandrel</source>
        <translation>About Zandrel</translation>
    </message>
    <message>
        <source>Contact us </source>
        <translation>Contact us </translation>
    </message>
    <message>
        <source>Zandrel %1</source>
        <translation>Zandrel %1</translation>
    </message>
    <message>
        <source>A classroom tool: draws on five displays, drawn students read aloud, letter scores and their averages.</source>
        <translation>A classroom tool: draws on five displays, drawn students read aloud, letter scores and their averages.</translation>
    </message>
    <message>
        <source>Licence: GNU General Public License, version 3 or later (GPL-3.0).</source>
        <translation>Licence: GNU General Public License, version 3 or later (GPL-3.0).</translation>
    </message>
</context>
<context>
    <name>AbsentStudentsDialog</name>
    <message>
        <source>Absent Students</source>
        <translation>Absent Students</translation>
    </message>
    <message>
        <source>Check the students who are absent today. They are left out of every draw until tomorrow.</source>
        <translation>Check the students who are absent today. They are left out of every draw until tomorrow.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>This file is not a Zandrel backup. Nothing was changed.</source>
        <translation>This file is not a Zandrel backup. Nothing was changed.</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be restored. Nothing was changed.</source>
        <translation>This backup is damaged and cannot be restored. Nothing was changed.</translation>
    </message>
    <message>
        <source>A part of this file is larger than any Zandrel backup holds. Nothing was changed.</source>
        <translation>A part of this file is larger than any Zandrel backup holds. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 could not be written.</translation>
    </message>
    <message>
        <source>The current classes and settings could not be kept in %1 first, so nothing was restored.</source>
        <translation>The current classes and settings could not be kept in %1 first, so nothing was restored.</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Back Up Everything</source>
        <translation>Back Up Everything</translation>
    </message>
    <message>
        <source>Every class, student and score, the settings, and the score and history files go into one file. Keep it on a USB stick or another computer.</source>
        <translation>Every class, student and score, the settings, and the score and history files go into one file. Keep it on a USB stick or another computer.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Include collected homework</source>
        <translation>Include collected homework</translation>
    </message>
    <message>
        <source>The class and student folders with the homework files; they can be large</source>
        <translation>The class and student folders with the homework files; they can be large</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Back Up</translation>
    </message>
    <message>
        <source>Zandrel Backup (*.zip)</source>
        <translation>Zandrel Backup (*.zip)</translation>
    </message>
    <message>
        <source>Everything was backed up to %1.</source>
        <translation>Everything was backed up to %1.</translation>
    </message>
</context>
<context>
    <name>BatchAddIDDialog</name>
    <message>
        <source>Input ID Range</source>
        <translation>Input ID Range</translation>
    </message>
    <message>
        <source>ID From</source>
        <translation>ID From</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ID should not be empty!</source>
        <translation>ID should not be empty!</translation>
    </message>
</context>
<context>
    <name>CalculateAveScoreDialog</name>
    <message>
        <source>Calculate Score</source>
        <translation>Calculate Score</translation>
    </message>
    <message>
        <source>Set Base Score (If ave score takes 30 points, 
you can assign &apos;A&apos; to 30, &apos;F&apos; to &apos;10&apos;)</source>
        <translation>Set Base Score (If ave score takes 30 points, 
you can assign &apos;A&apos; to 30, &apos;F&apos; to &apos;10&apos;)</translation>
    </message>
    <message>
        <source>&apos;A&apos;=</source>
        <translation>&apos;A&apos;=</translation>
    </message>
    <message>
        <source>&apos;F&apos;=</source>
        <translation>&apos;F&apos;=</translation>
    </message>
    <message>
        <source>Calculate students&apos; average score for current class</source>
        <translation>Calculate students&apos; average score for current class</translation>
    </message>
    <message>
        <source>Open the [ClassName]_score100.txt and [ClassName]_score100.csv in working directory. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</source>
        <translation>Open the [ClassName]_score100.txt and [ClassName]_score100.csv in working directory. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</translation>
    </message>
    <message>
        <source>Open Score</source>
        <translation>Open Score</translation>
    </message>
    <message>
        <source>Open the current working directory containing [ClassName]_score100.txt and [ClassName]_score100.csv. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</source>
        <translation>Open the current working directory containing [ClassName]_score100.txt and [ClassName]_score100.csv. You can open .csv file using Microsoft Office Excel, OpenOffice, WPS or notepad.</translation>
    </message>
    <message>
        <source>Open Score Dir</source>
        <translation>Open Score Dir</translation>
    </message>
    <message>
        <source>Round Off ([30.1-&gt;30] , [30.5-&gt;31])</source>
        <translation>Round Off ([30.1-&gt;30] , [30.5-&gt;31])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30] , [30.5-&gt;31]</source>
        <translation>[30.1-&gt;30] , [30.5-&gt;31]</translation>
    </message>
    <message>
        <source>Integer Only ([30.1-&gt;30] , [30.5 - 30])</source>
        <translation>Integer Only ([30.1-&gt;30] , [30.5 - 30])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30] , [30.5 - 30]</source>
        <translation>[30.1-&gt;30] , [30.5 - 30]</translation>
    </message>
    <message>
        <source>Keep Float ([30.1-&gt;30.1], [30.5-&gt;30.5])</source>
        <translation>Keep Float ([30.1-&gt;30.1], [30.5-&gt;30.5])</translation>
    </message>
    <message>
        <source>[30.1-&gt;30.1], [30.5-&gt;30.5]</source>
        <translation>[30.1-&gt;30.1], [30.5-&gt;30.5]</translation>
    </message>
    <message>
        <source>Define A and F score!</source>
        <translation>Define A and F score!</translation>
    </message>
    <message>
        <source>Please define A and F&apos;s score, such as A to 30, F to 10!</source>
        <translation>Please define A and F&apos;s score, such as A to 30, F to 10!</translation>
    </message>
    <message>
        <source>Write [ClassName]_score100.xlsx in working directory and open it. The IDs stay exactly as stored, also in Microsoft Office Excel, WPS and LibreOffice.</source>
        <translation>Write [ClassName]_score100.xlsx in working directory and open it. The IDs stay exactly as stored, also in Microsoft Office Excel, WPS and LibreOffice.</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Calculate Ave Score - %1</source>
        <translation>Calculate Ave Score - %1</translation>
    </message>
    <message>
        <source>The average scores of %1 were written to
%2
and
%3</source>
        <translation>The average scores of %1 were written to
%2
and
%3</translation>
    </message>
    <message>
        <source>No score files were written: choose a class in the main window first.</source>
        <translation>No score files were written: choose a class in the main window first.</translation>
    </message>
    <message>
        <source>No score files were written: the class name %1 holds a / or \, which a file name cannot. Rename the class in Class Settings.</source>
        <translation>No score files were written: the class name %1 holds a / or \, which a file name cannot. Rename the class in Class Settings.</translation>
    </message>
    <message>
        <source>The score files of %1 could not be written into %2. Check that the folder exists, can be written and the disk is not full.</source>
        <translation>The score files of %1 could not be written into %2. Check that the folder exists, can be written and the disk is not full.</translation>
    </message>
</context>
<context>
    <name>ClassSettingDialog</name>
    <message>
        <source>Class Setting</source>
        <translation>Class Setting</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>Class List</translation>
    </message>
    <message>
        <source>Add  Class</source>
        <translation>Add  Class</translation>
    </message>
    <message>
        <source>Delete Class</source>
        <translation>Delete Class</translation>
    </message>
    <message>
        <source>ID, Name List</source>
        <translation>ID, Name List</translation>
    </message>
    <message>
        <source>Add Student</source>
        <translation>Add Student</translation>
    </message>
    <message>
        <source>Batch Add Student</source>
        <translation>Batch Add Student</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Delete Student</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Import students information from .txt or .csv file</source>
        <translation>Import students information from .txt or .csv file</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Sort by Score</source>
        <translation>Sort by Score</translation>
    </message>
    <message>
        <source>Sort by Number of Score</source>
        <translation>Sort by Number of Score</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Class Setting Information</source>
        <translation>Class Setting Information</translation>
    </message>
    <message>
        <source>Class Information has been modified, do you want to save it?</source>
        <translation>Class Information has been modified, do you want to save it?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>You can&apos;t add more than 1000 students!</source>
        <translation>You can&apos;t add more than 1000 students!</translation>
    </message>
    <message>
        <source>Open ID File</source>
        <translation>Open ID File</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Scores Not Saved</source>
        <translation>Scores Not Saved</translation>
    </message>
    <message>
        <source>Zandrel cannot save the classes and scores to
%1

The scores given are kept while Zandrel runs, and every new score tries to save them again. Check that the disk has free space and that this folder can be written to.</source>
        <translation>Zandrel cannot save the classes and scores to
%1

The scores given are kept while Zandrel runs, and every new score tries to save them again. Check that the disk has free space and that this folder can be written to.</translation>
    </message>
    <message>
        <source>Text/CSV files (*.txt *.csv)</source>
        <translation>Text/CSV files (*.txt *.csv)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel Workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Class List Damaged</source>
        <translation>Class List Damaged</translation>
    </message>
    <message>
        <source>The class list could not be read completely. A copy of it was kept: %1</source>
        <translation>The class list could not be read completely. A copy of it was kept: %1</translation>
    </message>
    <message>
        <source>%1 record added in this file!</source>
        <translation>%1 record added in this file!</translation>
    </message>
    <message>
        <source>0 record added in this file!</source>
        <translation>0 record added in this file!</translation>
    </message>
    <message>
        <source>Sorry, no ID and Name recognized in this file!</source>
        <translation>Sorry, no ID and Name recognized in this file!</translation>
    </message>
    <message>
        <source>There is a class named %1 already. The class keeps its name %2.</source>
        <translation>There is a class named %1 already. The class keeps its name %2.</translation>
    </message>
    <message>
        <source>Files Not Written</source>
        <translation>Files Not Written</translation>
    </message>
    <message numerus="yes">
        <source>Delete the class %1 with %n students and their scores?</source>
        <translation>
            <numerusform>Delete the class %1 with %n student and their scores?</numerusform>
            <numerusform>Delete the class %1 with %n students and their scores?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Show this help and end.</source>
        <translation>Show this help and end.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Show the version and end.</translation>
    </message>
    <message>
        <source>Draw one student, or N at once, in Zandrel; Zandrel is started first when it is not running.</source>
        <translation>Draw one student, or N at once, in Zandrel; Zandrel is started first when it is not running.</translation>
    </message>
    <message>
        <source>Give the score letter (A to F) to the student drawn last.</source>
        <translation>Give the score letter (A to F) to the student drawn last.</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>letter</translation>
    </message>
    <message>
        <source>Show (on) or hide (off) the floating draw button.</source>
        <translation>Show (on) or hide (off) the floating draw button.</translation>
    </message>
    <message>
        <source>on|off</source>
        <translation>on|off</translation>
    </message>
    <message>
        <source>Bring the main window to the front.</source>
        <translation>Bring the main window to the front.</translation>
    </message>
    <message>
        <source>Zandrel: classroom draw, read-aloud and score keeping.
Without an option it opens its window. The commands go to the Zandrel that is running; they end with status 0 when it has done them, or with a message and status 1.</source>
        <translation>Zandrel: classroom draw, read-aloud and score keeping.
Without an option it opens its window. The commands go to the Zandrel that is running; they end with status 0 when it has done them, or with a message and status 1.</translation>
    </message>
    <message>
        <source>With --draw: how many students to draw at once, 1 to %1.</source>
        <translation>With --draw: how many students to draw at once, 1 to %1.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unexpected argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give one of --draw, --score, --floating and --show at a time.</source>
        <translation>Give one of --draw, --score, --floating and --show at a time.</translation>
    </message>
    <message>
        <source>The number of students to draw must be a whole number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>The number of students to draw must be a whole number from 1 to %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The score must be one of the letters A to F, not &quot;%1&quot;.</source>
        <translation>The score must be one of the letters A to F, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--floating takes on or off, not &quot;%1&quot;.</source>
        <translation>--floating takes on or off, not &quot;%1&quot;.</translation>
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
        <translation>Click to draw a student; drag to move; right-click for more</translation>
    </message>
    <message>
        <source>Draw 2 at Once</source>
        <translation>Draw 2 at Once</translation>
    </message>
    <message>
        <source>Draw 3 at Once</source>
        <translation>Draw 3 at Once</translation>
    </message>
    <message>
        <source>Open the Main Window</source>
        <translation>Open the Main Window</translation>
    </message>
    <message>
        <source>Hide the Button</source>
        <translation>Hide the Button</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Draw</translation>
    </message>
</context>
<context>
    <name>FloatingDraws</name>
    <message>
        <source>Zandrel has a dialog open: close it first.</source>
        <translation>Zandrel has a dialog open: close it first.</translation>
    </message>
    <message>
        <source>Nobody has been drawn yet.</source>
        <translation>Nobody has been drawn yet.</translation>
    </message>
    <message>
        <source>%1 is no longer in the class.</source>
        <translation>%1 is no longer in the class.</translation>
    </message>
    <message>
        <source>%1 given to %2.</source>
        <translation>%1 given to %2.</translation>
    </message>
</context>
<context>
    <name>FloatingResultWindow</name>
    <message>
        <source>Give %1 to %2</source>
        <translation>Give %1 to %2</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Draws and scores, newest first</source>
        <translation>Draws and scores, newest first</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Students</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Times Drawn</source>
        <translation>Times Drawn</translation>
    </message>
    <message>
        <source>Last Drawn</source>
        <translation>Last Drawn</translation>
    </message>
    <message>
        <source>Letters Given</source>
        <translation>Letters Given</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>LED Roll</source>
        <translation>LED Roll</translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation>Micro Tile</translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation>TV Roller</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>History of %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read</source>
        <translation>
            <numerusform>%n line could not be read</numerusform>
            <numerusform>%n lines could not be read</numerusform>
        </translation>
    </message>
    <message>
        <source>Floating Button</source>
        <translation>Floating Button</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Command Line</translation>
    </message>
</context>
<context>
    <name>ImportFileCheck</name>
    <message>
        <source>Nothing was imported: %1 no longer exists.</source>
        <translation>Nothing was imported: %1 no longer exists.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is a folder.</source>
        <translation>Nothing was imported: %1 is a folder.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is not an ordinary file.</source>
        <translation>Nothing was imported: %1 is not an ordinary file.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 is larger than %2 MB, far more than any class list.</source>
        <translation>Nothing was imported: %1 is larger than %2 MB, far more than any class list.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 cannot be read (%2).</source>
        <translation>Nothing was imported: %1 cannot be read (%2).</translation>
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
        <translation>Zandrel is already running on this computer. Use the open window, so that no score is lost.</translation>
    </message>
</context>
<context>
    <name>LedDrawDisplay</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zandrel v2.0</source>
        <translation>Zandrel v2.0</translation>
    </message>
    <message>
        <source>0 Students.</source>
        <translation>0 Students.</translation>
    </message>
    <message>
        <source>Start lottery</source>
        <translation>Start lottery</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Adjust running speed</source>
        <translation>Adjust running speed</translation>
    </message>
    <message>
        <source>Score(A-F)</source>
        <translation>Score(A-F)</translation>
    </message>
    <message>
        <source>Input &apos;A&apos;-&apos;F&apos; and press enter key to accept</source>
        <translation>Input &apos;A&apos;-&apos;F&apos; and press enter key to accept</translation>
    </message>
    <message>
        <source>Input score &apos;A&apos; to current student</source>
        <translation>Input score &apos;A&apos; to current student</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Input score &apos;B&apos; to current student</source>
        <translation>Input score &apos;B&apos; to current student</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Input score &apos;C&apos; to current student</source>
        <translation>Input score &apos;C&apos; to current student</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Input score &apos;D&apos; to current student</source>
        <translation>Input score &apos;D&apos; to current student</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Input score &apos;E&apos; to current student</source>
        <translation>Input score &apos;E&apos; to current student</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Input score &apos;F&apos; to current student</source>
        <translation>Input score &apos;F&apos; to current student</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Set text rolling in LED</source>
        <translation>Set text rolling in LED</translation>
    </message>
    <message>
        <source>Roll Mode</source>
        <translation>Roll Mode</translation>
    </message>
    <message>
        <source>Wheel it!</source>
        <translation>Wheel it!</translation>
    </message>
    <message>
        <source>Choose wheel number</source>
        <translation>Choose wheel number</translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation>Trace it!</translation>
    </message>
    <message>
        <source>Set score to the selected student</source>
        <translation>Set score to the selected student</translation>
    </message>
    <message>
        <source>Input score to the selected student</source>
        <translation>Input score to the selected student</translation>
    </message>
    <message>
        <source>Set rectangle shown</source>
        <translation>Set rectangle shown</translation>
    </message>
    <message>
        <source>Bound</source>
        <translation>Bound</translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation>Roll it!</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Set visible items in screen</source>
        <translation>Set visible items in screen</translation>
    </message>
    <message>
        <source>Sel.</source>
        <translation>Sel.</translation>
    </message>
    <message>
        <source>Set the number of the selected items</source>
        <translation>Set the number of the selected items</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Speech</translation>
    </message>
    <message>
        <source>Lottery Mode</source>
        <translation>Lottery Mode</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Language Support</source>
        <translation>Language Support</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
    <message>
        <source>Open Student Directory</source>
        <translation>Open Student Directory</translation>
    </message>
    <message>
        <source>Move Homework</source>
        <translation>Move Homework</translation>
    </message>
    <message>
        <source>Class Settings</source>
        <translation>Class Settings</translation>
    </message>
    <message>
        <source>Calculate Ave Score</source>
        <translation>Calculate Ave Score</translation>
    </message>
    <message>
        <source>Chinese Simplify</source>
        <translation>Chinese Simplify</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinese Traditional</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation>Micro Tile</translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation>TV Roller</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>No Repeats in a Round</source>
        <translation>No Repeats in a Round</translation>
    </message>
    <message>
        <source>Start a New Round</source>
        <translation>Start a New Round</translation>
    </message>
    <message>
        <source>Absent Students...</source>
        <translation>Absent Students...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>History...</translation>
    </message>
    <message>
        <source>Undo Last Score</source>
        <translation>Undo Last Score</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>All students have been drawn; a new round begins</source>
        <translation>All students have been drawn; a new round begins</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Show Names</source>
        <translation>Show Names</translation>
    </message>
    <message>
        <source>%1 (Page Down / Page Up)</source>
        <translation>%1 (Page Down / Page Up)</translation>
    </message>
    <message>
        <source>Previous ID</source>
        <translation>Previous ID</translation>
    </message>
    <message>
        <source>Next ID</source>
        <translation>Next ID</translation>
    </message>
    <message>
        <source>Back Up Everything...</source>
        <translation>Back Up Everything...</translation>
    </message>
    <message>
        <source>Restore from Backup...</source>
        <translation>Restore from Backup...</translation>
    </message>
    <message>
        <source>Restore an Earlier Day...</source>
        <translation>Restore an Earlier Day...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quick Guide</source>
        <translation>Quick Guide</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>No students yet: add them in Class &gt; Class Settings.</source>
        <translation>No students yet: add them in Class &gt; Class Settings.</translation>
    </message>
    <message>
        <source>Floating Draw Button</source>
        <translation>Floating Draw Button</translation>
    </message>
    <message>
        <source>A draw button over every window, full-screen slides included</source>
        <translation>A draw button over every window, full-screen slides included</translation>
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
        <translation>Move Homework to Class Directory</translation>
    </message>
    <message>
        <source>Download Path</source>
        <translation>Download Path</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;The student homework should be named as &amp;quot;ID_*&amp;quot; in the Download Path.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Such as, for student 10322015, homework chapter 2, the 5th question, you can ask his homework named as 10322015_2_5.txt.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;The student homework should be named as &amp;quot;ID_*&amp;quot; in the Download Path.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Such as, for student 10322015, homework chapter 2, the 5th question, you can ask his homework named as 10322015_2_5.txt.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the homework download directory.</source>
        <translation>Select the homework download directory.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Class Path</source>
        <translation>Class Path</translation>
    </message>
    <message>
        <source>Open current class directory.</source>
        <translation>Open current class directory.</translation>
    </message>
    <message>
        <source>Copy homework from Download path to class directory instead of moving.</source>
        <translation>Copy homework from Download path to class directory instead of moving.</translation>
    </message>
    <message>
        <source>Copy Homework</source>
        <translation>Copy Homework</translation>
    </message>
    <message>
        <source>Copy or move homework to student directory instead of class directory</source>
        <translation>Copy or move homework to student directory instead of class directory</translation>
    </message>
    <message>
        <source>To Student Directory</source>
        <translation>To Student Directory</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>(Last scan time...)</source>
        <translation>(Last scan time...)</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>
Invalid Download Path!

</source>
        <translation>
Invalid Download Path!

</translation>
    </message>
    <message>
        <source> files moved successfully!</source>
        <translation> files moved successfully!</translation>
    </message>
    <message>
        <source> files copied successfully!</source>
        <translation> files copied successfully!</translation>
    </message>
    <message>
        <source>Move </source>
        <translation>Move </translation>
    </message>
    <message>
        <source>Copy </source>
        <translation>Copy </translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Set Download Directory</source>
        <translation>Set Download Directory</translation>
    </message>
    <message>
        <source>%1 files could not be moved and are still in the download folder.</source>
        <translation>%1 files could not be moved and are still in the download folder.</translation>
    </message>
    <message>
        <source>%1 files could not be copied.</source>
        <translation>%1 files could not be copied.</translation>
    </message>
    <message>
        <source>the class name or the student ID cannot be a folder name</source>
        <translation>the class name or the student ID cannot be a folder name</translation>
    </message>
    <message>
        <source>Could not move %1: %2</source>
        <translation>Could not move %1: %2</translation>
    </message>
    <message>
        <source>Could not copy %1: %2</source>
        <translation>Could not copy %1: %2</translation>
    </message>
    <message>
        <source>%1 already holds a file of that name</source>
        <translation>%1 already holds a file of that name</translation>
    </message>
    <message>
        <source>there is no folder %1</source>
        <translation>there is no folder %1</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>it cannot be written to %1 (%2)</source>
        <translation>it cannot be written to %1 (%2)</translation>
    </message>
    <message>
        <source>it changed while it was copied, perhaps because it is still downloading</source>
        <translation>it changed while it was copied, perhaps because it is still downloading</translation>
    </message>
    <message>
        <source>it cannot be removed from the download folder (%1)</source>
        <translation>it cannot be removed from the download folder (%1)</translation>
    </message>
</context>
<context>
    <name>QuickGuideDialog</name>
    <message>
        <source>Quick Guide</source>
        <translation>Quick Guide</translation>
    </message>
</context>
<context>
    <name>RemoteCommandClient</name>
    <message>
        <source>There is no runtime folder (XDG_RUNTIME_DIR) to reach Zandrel through.</source>
        <translation>There is no runtime folder (XDG_RUNTIME_DIR) to reach Zandrel through.</translation>
    </message>
    <message>
        <source>Zandrel is not running.</source>
        <translation>Zandrel is not running.</translation>
    </message>
    <message>
        <source>Zandrel could not be started.</source>
        <translation>Zandrel could not be started.</translation>
    </message>
    <message>
        <source>Zandrel was started but did not come up within %1 seconds.</source>
        <translation>Zandrel was started but did not come up within %1 seconds.</translation>
    </message>
    <message>
        <source>Zandrel is running but did not answer within %1 seconds.</source>
        <translation>Zandrel is running but did not answer within %1 seconds.</translation>
    </message>
</context>
<context>
    <name>RemoteCommandServer</name>
    <message>
        <source>Zandrel does not know the command &quot;%1&quot;.</source>
        <translation>Zandrel does not know the command &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>RemoteReply</name>
    <message>
        <source>Zandrel gave an answer this start cannot read.</source>
        <translation>Zandrel gave an answer this start cannot read.</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restore from Backup</translation>
    </message>
    <message>
        <source>Backup file:</source>
        <translation>Backup file:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Restore an Earlier Day</source>
        <translation>Restore an Earlier Day</translation>
    </message>
    <message>
        <source>In the backup</source>
        <translation>In the backup</translation>
    </message>
    <message>
        <source>On that day</source>
        <translation>On that day</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Students</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>There is no earlier day yet: Zandrel keeps a copy of the classes before the first score of each day.</source>
        <translation>There is no earlier day yet: Zandrel keeps a copy of the classes before the first score of each day.</translation>
    </message>
    <message>
        <source>Scores given since then that the restore takes back: %1</source>
        <translation>Scores given since then that the restore takes back: %1</translation>
    </message>
    <message>
        <source>Zandrel Backup (*.zip)</source>
        <translation>Zandrel Backup (*.zip)</translation>
    </message>
    <message>
        <source>Put back the classes, scores and settings shown on the left? What is there now is kept in a backup first, and Zandrel starts again.</source>
        <translation>Put back the classes, scores and settings shown on the left? What is there now is kept in a backup first, and Zandrel starts again.</translation>
    </message>
    <message>
        <source>What was there before is kept in %1.</source>
        <translation>What was there before is kept in %1.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message numerus="yes">
        <source>%n name filled in.</source>
        <translation>
            <numerusform>%n name filled in.</numerusform>
            <numerusform>%n names filled in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n names filled in.</source>
        <translation>
            <numerusform>%n name filled in.</numerusform>
            <numerusform>%n names filled in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>%n line skipped: the ID is not a whole number (%1).</numerusform>
            <numerusform>%n lines skipped: the ID is not a whole number (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>%n line skipped: the ID is not a whole number (%1).</numerusform>
            <numerusform>%n lines skipped: the ID is not a whole number (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>%n row skipped: the ID is not a whole number (%1).</numerusform>
            <numerusform>%n rows skipped: the ID is not a whole number (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows skipped: the ID is not a whole number (%1).</source>
        <translation>
            <numerusform>%n row skipped: the ID is not a whole number (%1).</numerusform>
            <numerusform>%n rows skipped: the ID is not a whole number (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>%n line skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
            <numerusform>%n lines skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>%n line skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
            <numerusform>%n lines skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>%n row skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
            <numerusform>%n rows skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</source>
        <translation>
            <numerusform>%n row skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
            <numerusform>%n rows skipped: the ID was stored as a rounded number (%1); store IDs as text in the spreadsheet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the sheet %1.</source>
        <translation>Read the sheet %1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between line or row numbers</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>lines %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>rows %1</translation>
    </message>
</context>
<context>
    <name>RosterStore</name>
    <message>
        <source>The class name %1 cannot be used as a file name: rename the class to keep its history and score files.</source>
        <translation>The class name %1 cannot be used as a file name: rename the class to keep its history and score files.</translation>
    </message>
</context>
<context>
    <name>SaveFailureReports</name>
    <message>
        <source>Scores Not Saved</source>
        <translation>Scores Not Saved</translation>
    </message>
    <message>
        <source>Some scores could not be saved and are kept only while Zandrel runs.

Try to save them again, or close Zandrel and lose them?</source>
        <translation>Some scores could not be saved and are kept only while Zandrel runs.

Try to save them again, or close Zandrel and lose them?</translation>
    </message>
    <message>
        <source>History Not Saved</source>
        <translation>History Not Saved</translation>
    </message>
    <message>
        <source>Some draws and scores could not be added to the history and are kept only while Zandrel runs.

Try to add them again, or close Zandrel and lose them?</source>
        <translation>Some draws and scores could not be added to the history and are kept only while Zandrel runs.

Try to add them again, or close Zandrel and lose them?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Close Anyway</translation>
    </message>
    <message>
        <source>Zandrel cannot add the draws and scores to the history file
%1

They are kept while Zandrel runs, and every new draw or score tries to add them again. Check that the disk has free space and that this folder can be written to.</source>
        <translation>Zandrel cannot add the draws and scores to the history file
%1

They are kept while Zandrel runs, and every new draw or score tries to add them again. Check that the disk has free space and that this folder can be written to.</translation>
    </message>
    <message>
        <source>Backup Not Made</source>
        <translation>Backup Not Made</translation>
    </message>
    <message>
        <source>Zandrel could not keep its daily copy of the classes in %1. Your scores are saved all the same; check that the folder can be written.</source>
        <translation>Zandrel could not keep its daily copy of the classes in %1. Your scores are saved all the same; check that the folder can be written.</translation>
    </message>
</context>
<context>
    <name>ScoreBook</name>
    <message>
        <source>%1 was not removed: the scores of %2 no longer end with it</source>
        <translation>%1 was not removed: the scores of %2 no longer end with it</translation>
    </message>
    <message>
        <source>Removed %1 from %2</source>
        <translation>Removed %1 from %2</translation>
    </message>
</context>
<context>
    <name>ScoreChooser</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</translation>
    </message>
    <message>
        <source>No letter given: no student is drawn or shown yet</source>
        <translation>No letter given: no student is drawn or shown yet</translation>
    </message>
</context>
<context>
    <name>ScoreWorkbook</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
</context>
<context>
    <name>SessionDrawCommands</name>
    <message>
        <source>There is no class to draw from: add one in Class &gt; Class Settings.</source>
        <translation>There is no class to draw from: add one in Class &gt; Class Settings.</translation>
    </message>
    <message>
        <source>A draw is running in the main window: stop it there first.</source>
        <translation>A draw is running in the main window: stop it there first.</translation>
    </message>
    <message>
        <source>Nobody in %1 can be drawn: the class has no students, or all of them are absent today.</source>
        <translation>Nobody in %1 can be drawn: the class has no students, or all of them are absent today.</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech Setting</source>
        <translation>Speech Setting</translation>
    </message>
    <message>
        <source>Voice Library</source>
        <translation>Voice Library</translation>
    </message>
    <message>
        <source>Test Text</source>
        <translation>Test Text</translation>
    </message>
    <message>
        <source>2015</source>
        <translation>2015</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Test it !</source>
        <translation>Test it !</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Test it!</source>
        <translation>Test it!</translation>
    </message>
    <message>
        <source>Random select voice library for every reading</source>
        <translation>Random select voice library for every reading</translation>
    </message>
    <message>
        <source>Random select voice library</source>
        <translation>Random select voice library</translation>
    </message>
    <message>
        <source>Disable Voice</source>
        <translation>Disable Voice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Read numbers digit by digit</source>
        <translation>Read numbers digit by digit</translation>
    </message>
    <message>
        <source>Read the student&apos;s name</source>
        <translation>Read the student&apos;s name</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Announcement</translation>
    </message>
    <message>
        <source>What is read for a drawn student&apos;s ID: %1 stands for the ID; without %1 it is read after the text</source>
        <translation>What is read for a drawn student&apos;s ID: %1 stands for the ID; without %1 it is read after the text</translation>
    </message>
    <message>
        <source>Announcement with names</source>
        <translation>Announcement with names</translation>
    </message>
    <message>
        <source>What is read for a drawn student&apos;s name: %1 stands for the name; without %1 it is read after the text</source>
        <translation>What is read for a drawn student&apos;s name: %1 stands for the name; without %1 it is read after the text</translation>
    </message>
</context>
<context>
    <name>SpeechService</name>
    <message>
        <source>No sound device was found; drawn IDs are not read aloud.</source>
        <translation>No sound device was found; drawn IDs are not read aloud.</translation>
    </message>
</context>
<context>
    <name>StatusBarControls</name>
    <message>
        <source>Voice Closed</source>
        <translation>Voice Closed</translation>
    </message>
    <message>
        <source>Voice Opened</source>
        <translation>Voice Opened</translation>
    </message>
</context>
<context>
    <name>StudentCounts</name>
    <message>
        <source>%1 Students (%2 absent)</source>
        <translation>%1 Students (%2 absent)</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Students</translation>
    </message>
    <message>
        <source>%1 of %2 left in this round</source>
        <translation>%1 of %2 left in this round</translation>
    </message>
</context>
<context>
    <name>StudentIdCheck</name>
    <message numerus="yes">
        <source>%n students cannot be drawn: their IDs are not whole numbers or are used twice: %1</source>
        <translation>
            <numerusform>%n student cannot be drawn: their IDs are not whole numbers or are used twice: %1</numerusform>
            <numerusform>%n students cannot be drawn: their IDs are not whole numbers or are used twice: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a student ID: an ID is a whole number.</source>
        <translation>%1 is not a student ID: an ID is a whole number.</translation>
    </message>
    <message>
        <source>The ID %1 is used by two students. Change one of them before saving.</source>
        <translation>The ID %1 is used by two students. Change one of them before saving.</translation>
    </message>
</context>
<context>
    <name>TileDrawDisplay</name>
    <message>
        <source>Stop Trace!</source>
        <translation>Stop Trace!</translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation>Trace it!</translation>
    </message>
</context>
<context>
    <name>TvRollerDrawDisplay</name>
    <message>
        <source>Stop Roll!</source>
        <translation>Stop Roll!</translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation>Roll it!</translation>
    </message>
</context>
<context>
    <name>VoiceNames</name>
    <message>
        <source>Chinese (Mandarin)</source>
        <translation>Chinese (Mandarin)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chinese (Cantonese)</translation>
    </message>
    <message>
        <source>English (America)</source>
        <translation>English (America)</translation>
    </message>
    <message>
        <source>English (America, New York City)</source>
        <translation>English (America, New York City)</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <translation>English (Great Britain)</translation>
    </message>
    <message>
        <source>English (Received Pronunciation)</source>
        <translation>English (Received Pronunciation)</translation>
    </message>
    <message>
        <source>English (Scotland)</source>
        <translation>English (Scotland)</translation>
    </message>
    <message>
        <source>English (Lancaster)</source>
        <translation>English (Lancaster)</translation>
    </message>
    <message>
        <source>English (West Midlands)</source>
        <translation>English (West Midlands)</translation>
    </message>
    <message>
        <source>English (Caribbean)</source>
        <translation>English (Caribbean)</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>This file is not an Excel workbook (.xlsx). A workbook in the old .xls format or one protected by a password cannot be read: save it in Excel as an .xlsx workbook without a password, then import it again.</source>
        <translation>This file is not an Excel workbook (.xlsx). A workbook in the old .xls format or one protected by a password cannot be read: save it in Excel as an .xlsx workbook without a password, then import it again.</translation>
    </message>
    <message>
        <source>This Excel workbook is damaged and cannot be read.</source>
        <translation>This Excel workbook is damaged and cannot be read.</translation>
    </message>
    <message>
        <source>This Excel workbook has no worksheet that can be read: parts of it are missing.</source>
        <translation>This Excel workbook has no worksheet that can be read: parts of it are missing.</translation>
    </message>
    <message>
        <source>This Excel workbook is too large to be a class list (more than 64 MiB).</source>
        <translation>This Excel workbook is too large to be a class list (more than 64 MiB).</translation>
    </message>
    <message>
        <source>This Excel workbook holds formulas whose values were never calculated, as programs that write workbooks leave them: open it in a spreadsheet program (Excel, WPS or LibreOffice) and save it once, then import it again.</source>
        <translation>This Excel workbook holds formulas whose values were never calculated, as programs that write workbooks leave them: open it in a spreadsheet program (Excel, WPS or LibreOffice) and save it once, then import it again.</translation>
    </message>
</context>
</TS>
