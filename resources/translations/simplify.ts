<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>InstanceLock</name>
    <message>
        <source>Zandrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zandrel is already running on this computer. Use the open window, so that no score is lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zandrel v2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 Students.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust running speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score(A-F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input &apos;A&apos;-&apos;F&apos; and press enter key to accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;A&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;B&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;C&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;D&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;E&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;F&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set text rolling in LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose wheel number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set score to the selected student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score to the selected student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set rectangle shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set visible items in screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of the selected items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Student Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Homework</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Ave Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Simplify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zandrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Trace!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Roll!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MicroTileWidget</name>
    <message>
        <source>zzzzzzzzzzzzzzzz!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveHomeworkDialog</name>
    <message>
        <source>Move Homework to Class Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;The student homework should be named as &amp;quot;ID_*&amp;quot; in the Download Path.&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Such as, for student 10322015, homework chapter 2, the 5th question, you can ask his homework named as 10322015_2_5.txt.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the homework download directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open current class directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy homework from Download path to class directory instead of moving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Homework</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy or move homework to student directory instead of class directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Student Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Last scan time...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Invalid Download Path!

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> files moved successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> files copied successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Download Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVRollerWidget</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WheelAssemblyWidget</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
