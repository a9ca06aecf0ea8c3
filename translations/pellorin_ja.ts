<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClassGraphView</name>
    <message>
        <source>Number of experiments, all pupils&apos; in turn</source>
        <extracomment>the class graph&apos;s axes</extracomment>
        <translation>実験の回数（全員の記録を順につなげて）</translation>
    </message>
    <message>
        <source>Ratio of odd products (the dashed line marks 1/4; a point: one pupil)</source>
        <translation>積が奇数になる相対度数（点線は1/4、点は1人ずつの結果）</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <extracomment>the pooled ratio after %1 experiments, in the graph&apos;s description</extracomment>
        <translation>%1 回：%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>the spread of the pupils&apos; own ratios, in the graph&apos;s description</extracomment>
        <translation>。</translation>
    </message>
    <message>
        <source>the pupils&apos; own ratios lie between %1 and %2</source>
        <translation>1人ずつの相対度数は %1 から %2 の間</translation>
    </message>
    <message>
        <source>Ratio of odd products of the class after %1 experiments: %2</source>
        <extracomment>the class graph read by a screen reader: %1 experiments, %2 the pooled ratio</extracomment>
        <translation>クラス全体で%1回投げたときの、積が奇数になる相対度数：%2</translation>
    </message>
</context>
<context>
    <name>ClassWindow</name>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>on the command line: %1 the PDF file, %2 why it could not be written</extracomment>
        <translation>%1 を保存できませんでした：%2</translation>
    </message>
    <message>
        <source>Large＼Small</source>
        <translation>大＼小</translation>
    </message>
    <message>
        <source>Number of experiments</source>
        <translation>実験の回数</translation>
    </message>
    <message>
        <source>Number of odd products</source>
        <translation>積が奇数になった回数</translation>
    </message>
    <message>
        <source>Percentage of odd products</source>
        <translation>積が奇数になる割合</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>生徒</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>投げた回数</translation>
    </message>
    <message>
        <source>Odd products</source>
        <translation>積が奇数の回数</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>相対度数</translation>
    </message>
    <message>
        <source>Files that were not pooled:</source>
        <translation>合計に入れなかったファイル：</translation>
    </message>
    <message>
        <source>Class results - Pellorin</source>
        <extracomment>the class view&apos;s window title</extracomment>
        <translation>クラスの結果 - Pellorin</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>結果(&amp;R)</translation>
    </message>
    <message>
        <source>Add files...</source>
        <translation>記録ファイルを追加...</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>結果をコピー</translation>
    </message>
    <message>
        <source>Save table as CSV...</source>
        <translation>表をCSVファイルに保存...</translation>
    </message>
    <message>
        <source>Face pairs of the class: rows large die, columns small die</source>
        <extracomment>the class&apos;s table: rows are the large die&apos;s faces, columns the small die&apos;s</extracomment>
        <translation>クラス全体の目の組：行が大きいサイコロ、列が小さいサイコロ</translation>
    </message>
    <message>
        <source>1 pupil</source>
        <translation>1人</translation>
    </message>
    <message>
        <source>%1 pupils</source>
        <translation>%1人</translation>
    </message>
    <message>
        <source>Add files of throws</source>
        <translation>記録ファイルを追加</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>CSVファイル (*.csv)</translation>
    </message>
    <message>
        <source>%1: %2 experiments, %3 odd products, ratio %4</source>
        <extracomment>the class view&apos;s summary: %1 pupils, %2 experiments, %3 odd products, %4 their ratio</extracomment>
        <translation>%1：投げた回数 %2回、積が奇数 %3回、相対度数 %4</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>表をCSVファイルに保存</translation>
    </message>
    <message>
        <source>Pellorin: %1, %2 experiments</source>
        <extracomment>the title of the class&apos;s printed page: %1 pupils, %2 experiments</extracomment>
        <translation>Pellorin：%1、投げた回数 %2回</translation>
    </message>
</context>
<context>
    <name>ExperimentResults</name>
    <message>
        <source>Copy results</source>
        <translation>結果をコピー</translation>
    </message>
    <message>
        <source>Save throws as CSV...</source>
        <translation>投げた記録をCSVファイルに保存...</translation>
    </message>
    <message>
        <source>Save throws as CSV</source>
        <translation>投げた記録をCSVファイルに保存</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>CSVファイル (*.csv)</translation>
    </message>
    <message>
        <source>Open throws...</source>
        <translation>記録ファイルを開く（複数選べます）...</translation>
    </message>
    <message>
        <source>Open throws</source>
        <translation>記録ファイルを開く</translation>
    </message>
    <message>
        <source>Pellorin</source>
        <extracomment>the program&apos;s name, as the title of a question</extracomment>
        <translation>Pellorin</translation>
    </message>
    <message>
        <source>The %1 experiments in the window will be replaced by those in the files. Open them?</source>
        <translation>いま画面にある%1回分の結果は消えて、ファイルの記録に置き換わります。開きますか？</translation>
    </message>
    <message>
        <source>Pellorin: the results of the experiment</source>
        <extracomment>the title of the printed page</extracomment>
        <translation>Pellorin：実験の結果</translation>
    </message>
    <message>
        <source>The 1 experiment in the window will be replaced by those in the files. Open them?</source>
        <extracomment>a question before opening files replaces the one experiment in the window</extracomment>
        <translation>いま画面にある1回分の結果は消えて、ファイルの記録に置き換わります。開きますか？</translation>
    </message>
    <message>
        <source>Class results...</source>
        <translation>クラスの結果...</translation>
    </message>
    <message>
        <source>Class results: the pupils&apos; files of throws</source>
        <translation>クラスの結果：生徒の記録ファイル</translation>
    </message>
</context>
<context>
    <name>ExperimentWindow</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Throw the dice</source>
        <translation>サイコロを振る</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>グラフ表示</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Stop the dice</source>
        <translation>サイコロ停止</translation>
    </message>
    <message>
        <source>Percentage of odd products</source>
        <translation>積が奇数になる割合</translation>
    </message>
    <message>
        <source>Number of odd products</source>
        <translation>積が奇数になった回数</translation>
    </message>
    <message>
        <source>Number of experiments</source>
        <translation>実験の回数</translation>
    </message>
    <message>
        <source>Large＼Small</source>
        <translation>大＼小</translation>
    </message>
    <message>
        <source>Small dice</source>
        <translation>小サイコロ</translation>
    </message>
    <message>
        <source>Large dice</source>
        <translation>大サイコロ</translation>
    </message>
    <message>
        <source>Pellorin</source>
        <extracomment>a notice when the window has counted 32767 experiments; %1: that count</extracomment>
        <translation>Pellorin</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>このソフトウェアを終了します。</translation>
    </message>
    <message>
        <source>Small die %1</source>
        <extracomment>a column header read by a screen reader: its face</extracomment>
        <translation>小サイコロの目 %1</translation>
    </message>
    <message>
        <source>Large die %1</source>
        <extracomment>a row header read by a screen reader: its face</extracomment>
        <translation>大サイコロの目 %1</translation>
    </message>
    <message>
        <source>Rows: large die, columns: small die</source>
        <translation>行は大サイコロの目、列は小サイコロの目</translation>
    </message>
    <message>
        <source>Number of experiments: %1</source>
        <extracomment>the count read by a screen reader</extracomment>
        <translation>実験の回数：%1</translation>
    </message>
    <message>
        <source>Number of odd products: %1</source>
        <extracomment>the odd count read by a screen reader</extracomment>
        <translation>積が奇数になった回数：%1</translation>
    </message>
    <message>
        <source>Percentage of odd products: %1</source>
        <extracomment>the ratio read by a screen reader</extracomment>
        <translation>積が奇数になる割合：%1</translation>
    </message>
    <message>
        <source>Large %1, small %2: %3</source>
        <extracomment>a table cell read by a screen reader: its faces, its count</extracomment>
        <translation>大 %1・小 %2：%3 回</translation>
    </message>
    <message>
        <source>Large %1, small %2</source>
        <extracomment>a table cell: its two faces</extracomment>
        <translation>大 %1・小 %2</translation>
    </message>
    <message>
        <source>Large die, face %1</source>
        <extracomment>a die&apos;s picture: its face</extracomment>
        <translation>大サイコロ、目 %1</translation>
    </message>
    <message>
        <source>Small die, face %1</source>
        <extracomment>a die&apos;s picture: its face</extracomment>
        <translation>小サイコロ、目 %1</translation>
    </message>
    <message>
        <source>Column of small die face %1</source>
        <extracomment>a column header: its face</extracomment>
        <translation>小サイコロの目 %1 の列</translation>
    </message>
    <message>
        <source>Row of large die face %1</source>
        <extracomment>a row header: its face</extracomment>
        <translation>大サイコロの目 %1 の行</translation>
    </message>
    <message>
        <source>The window has counted %1 experiments, the most it can count: no further throw would be counted. &quot;Init&quot; starts afresh; &quot;Class results...&quot; in the menu pools any number of saved files.</source>
        <translation>この画面で数えられる%1回まで実験しました。これ以上投げても数えられません。「初期化」で初めからやり直せます。メニューの「クラスの結果...」なら、保存した記録ファイルをいくつでも合わせて見られます。</translation>
    </message>
    <message>
        <source>Table of results</source>
        <translation>結果の表</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source> Graph </source>
        <translation> グラフ </translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>グラフをコピー</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>グラフを保存...</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>グラフを保存</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG画像 (*.png)</translation>
    </message>
    <message>
        <source>(Horizontal axis : Number of experiments)</source>
        <translation>（横軸：実験の回数）</translation>
    </message>
    <message>
        <source>(Vertical axis : Percentage of odd products)</source>
        <translation>（縦軸：積が奇数になる割合）</translation>
    </message>
    <message>
        <source>Ratio of odd products after %1 experiments: %2; the dashed line marks 1/4</source>
        <extracomment>the graph read by a screen reader: %1 experiments, %2 the latest ratio</extracomment>
        <translation>%1 回実験したときの、積が奇数になる割合：%2。破線は 1/4 の位置です</translation>
    </message>
    <message>
        <source>after %1: %2</source>
        <extracomment>the ratio after %1 experiments, in the graph&apos;s description</extracomment>
        <translation>%1 回：%2</translation>
    </message>
    <message>
        <source>Class results...</source>
        <extracomment>opens the class view, as the experiment window&apos;s entry does</extracomment>
        <translation>クラスの結果...</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>between the items of the graph&apos;s description</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>&#x3000;【Problem】</source>
        <comment>line 2</comment>
        <translation>&#x3000;【問題】</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Throw two large and small dice at the same time and think about how the</source>
        <comment>line 3</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;大小２つのサイコロを同時に投げて、目の出方について</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;dice roll.</source>
        <comment>line 4</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;考えてみましょう。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Assuming that the two dice are large and small , respectively , there are</source>
        <comment>line 5</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;２つのサイコロを大・小と区別すると、目の出方は</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;36 ways to roll the dice : 1・1、1・2、1・3、1・4、1・5、1・6、2・1、2・2、2・3、</source>
        <comment>line 6</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;次の36通りです：1・1、1・2、1・3、1・4、1・5、1・6、2・1、2・2、2・3、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;2・4、2・5、2・6、3・1、3・2、3・3、3・4、3・5、3・6、4・1、4・2、4・3、4・4、4・5、</source>
        <comment>line 7</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;2・4、2・5、2・6、3・1、3・2、3・3、3・4、3・5、3・6、4・1、4・2、4・3、4・4、4・5、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;4・6、5・1、5・2、5・3、5・4、5・5、5・6、6・1、6・2、6・3、6・4、6・5、6・6.</source>
        <comment>line 8</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;4・6、5・1、5・2、5・3、5・4、5・5、5・6、6・1、6・2、6・3、6・4、6・5、6・6。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;In addition , there are nine ways in which the product of two dice , large  </source>
        <comment>line 9</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;また、大小２つのサイコロの目の積が奇数になるのは、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;and small becomes an odd number : 1・1、1・3、1・5、3・1、3・3、3・5、5・1、</source>
        <comment>line 10</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;次の９通りです：1・1、1・3、1・5、3・1、3・3、3・5、5・1、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;5・3、5・5.</source>
        <comment>line 11</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;5・3、5・5。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;That is , the probability that the product of two dice , large and small ,</source>
        <comment>line 12</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;つまり、大小２つのサイコロの目の積が奇数になる確率は、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;becomes an odd number is mathematically 9/36 , which is reduced to 1/4.</source>
        <comment>line 13</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;数学的には 9/36 で、約分すると 1/4 です。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;However , in reality , if you throw two dice at the same time 4 times , </source>
        <comment>line 14</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;しかし実際には、２つのサイコロを同時に４回投げても、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;the product of the two dice will not always be odd once.</source>
        <comment>line 15</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;積が奇数になるのがちょうど１回だとは限りません。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Then , what is the relationship with 1/4 of the theoretical probability </source>
        <comment>line 16</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;では、実験の結果と、数学的に求めた確率 1/4 の間には、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;obtained mathematically ?</source>
        <comment>line 17</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;どのような関係があるのでしょうか？</translation>
    </message>
    <message>
        <source>&#x3000;【Operation method】</source>
        <comment>line 19</comment>
        <translation>&#x3000;【操作方法】</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;To experiment manually , click the [Throw the dice] button , and the</source>
        <comment>line 20</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;手で実験するときは、［サイコロを振る］ボタンを押してから、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;[Stop the dice] button.</source>
        <comment>line 21</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［サイコロ停止］ボタンを押します。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;To experiment automatically , click the [Automatic] button , and the</source>
        <comment>line 22</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;自動で実験するときは、［自動］ボタンを押してから、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;[Stop] button.</source>
        <comment>line 23</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［停止］ボタンを押します。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;When you click the [Graph display] button , the relationship between </source>
        <comment>line 24</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［グラフ表示］ボタンを押すと、実験の回数と、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;the number of experiments and the rate at which the product becomes an </source>
        <comment>line 25</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;積が奇数になる割合との関係が、</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;odd number is displayed in a graph.</source>
        <comment>line 26</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;グラフで表示されます。</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Click the [Init] button to restart the experiment from the beginning.</source>
        <comment>line 27</comment>
        <translation>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［初期化］ボタンを押すと、最初から実験をやり直します。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Pellorin＿Help（Question and Operation method）6.2022</source>
        <translation>Pellorin＿ヘルプ（問題と操作方法）6.2022</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインのオプションの説明を表示する。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含めて説明を表示する。</translation>
    </message>
</context>
<context>
    <name>TakeAway</name>
    <message>
        <source>Writing failed (%1); a file of that name is as it was.</source>
        <extracomment>why a file could not be saved; %1: the system&apos;s reason</extracomment>
        <translation>書き込めませんでした（%1）。同じ名前のファイルは元のままです。</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>同じ名前のフォルダーがあります。</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>普通のファイルではありません。</translation>
    </message>
    <message>
        <source>Its folder does not exist.</source>
        <translation>保存先のフォルダーがありません。</translation>
    </message>
    <message>
        <source>No file can be made in its folder (%1).</source>
        <extracomment>why a file could not be saved; %1: the system&apos;s reason</extracomment>
        <translation>このフォルダーにはファイルを作れません（%1）。</translation>
    </message>
    <message>
        <source>Pellorin</source>
        <extracomment>the program&apos;s name, as the title of a notice</extracomment>
        <translation>Pellorin</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <extracomment>a notice: %1 the file, %2 why it could not be saved</extracomment>
        <translation>%1 を保存できませんでした：%2</translation>
    </message>
    <message>
        <source>Save page as PDF</source>
        <translation>ページをPDFで保存</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>ページを印刷できませんでした。</translation>
    </message>
    <message>
        <source>It is not there any more.</source>
        <translation>ファイルがもうありません。</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB.</source>
        <extracomment>why a file could not be read; %1: the largest size in MiB</extracomment>
        <translation>%1 MiBより大きいファイルです。</translation>
    </message>
    <message>
        <source>Reading failed (%1).</source>
        <extracomment>why a file could not be read; %1: the system&apos;s reason</extracomment>
        <translation>読み込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>読み取り専用のファイルなので、上書きできません。</translation>
    </message>
</context>
<context>
    <name>ThrowsFiles</name>
    <message>
        <source>It is not a file of throws saved by Pellorin.</source>
        <translation>このソフトで保存した記録ファイルではありません。</translation>
    </message>
    <message>
        <source>It holds no throws.</source>
        <translation>記録が1つもありません。</translation>
    </message>
    <message>
        <source>The row is not five whole numbers and a ratio.</source>
        <translation>この行には数が6つ並んでいません。</translation>
    </message>
    <message>
        <source>The row&apos;s number does not follow the row before.</source>
        <translation>この行の番号が前の行の続きになっていません。</translation>
    </message>
    <message>
        <source>A face is not between 1 and 6.</source>
        <translation>サイコロの目が1から6の間にありません。</translation>
    </message>
    <message>
        <source>Its &quot;odd&quot; does not agree with the faces.</source>
        <translation>「odd」がサイコロの目と合いません。</translation>
    </message>
    <message>
        <source>Its &quot;odd_so_far&quot; does not agree with the rows before.</source>
        <translation>「odd_so_far」が前の行までと合いません。</translation>
    </message>
    <message>
        <source>Its ratio does not agree with the rows before.</source>
        <translation>割合（ratio）が、それまでの記録と合いません。ファイルが書き換えられています。</translation>
    </message>
    <message>
        <source>The files hold more than %1 throws together.</source>
        <translation>記録の合計が%1回を超えるので開けません。ファイルの数を減らしてください。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <extracomment>a refused file: %1 the file, %2 why it could not be read</extracomment>
        <translation>%1 を開けませんでした（%2）</translation>
    </message>
    <message>
        <source>%1 was not opened: line %2: %3</source>
        <extracomment>a refused file: %1 the file, %2 the line, %3 what is wrong there</extracomment>
        <translation>%1 を開けませんでした（%2行目：%3）</translation>
    </message>
</context>
<context>
    <name>experiment_core::ExperimentSession</name>
    <message>
        <source>Run finished.</source>
        <extracomment>announced to a screen reader after the last experiment of an automatic run</extracomment>
        <translation>自動の実験が終わりました。</translation>
    </message>
    <message>
        <source>%1 experiments, ratio %2.</source>
        <extracomment>announced to a screen reader every hundred experiments of a run: count, ratio</extracomment>
        <translation>実験 %1 回、割合 %2。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <extracomment>announced to a screen reader when an automatic run is stopped</extracomment>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>Started afresh.</source>
        <extracomment>announced to a screen reader after Init</extracomment>
        <translation>初期化しました。</translation>
    </message>
    <message>
        <source>Throws opened.</source>
        <extracomment>announced to a screen reader after throws were opened from files</extracomment>
        <translation>記録を開きました。</translation>
    </message>
    <message>
        <source>1 experiment, %1 odd, ratio %2.</source>
        <extracomment>announced after a result: the odd count, the ratio</extracomment>
        <translation>実験 1 回、奇数 %1 回、割合 %2。</translation>
    </message>
    <message>
        <source>%1 experiments, %2 odd, ratio %3.</source>
        <extracomment>announced after a result: the count, the odd count, the ratio</extracomment>
        <translation>実験 %1 回、奇数 %2 回、割合 %3。</translation>
    </message>
    <message>
        <source>Large %1, small %2: odd product.</source>
        <extracomment>announced after a throw: its two faces</extracomment>
        <translation>大 %1・小 %2：積は奇数。</translation>
    </message>
    <message>
        <source>Large %1, small %2: even product.</source>
        <translation>大 %1・小 %2：積は偶数。</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>A probability experiment with two dice: how often is the product of their faces odd?</source>
        <translation>２つのサイコロで確率を実験します：目の積が奇数になるのは、どのくらいの割合でしょうか？</translation>
    </message>
    <message>
        <source>Show the class results of the files of throws given.</source>
        <translation>指定した記録ファイルから、クラスの結果を表示します。</translation>
    </message>
    <message>
        <source>With --class: write the class page to &lt;pdf&gt; and end, without a window.</source>
        <translation>--class と使う：クラスの結果のページを &lt;pdf&gt; に書き出して終わります（画面は開きません）。</translation>
    </message>
    <message>
        <source>With --class: files of throws, one a pupil.</source>
        <translation>--class と使う：記録ファイル（1人に1つ）。</translation>
    </message>
    <message>
        <source>Files and --page go with --class; see --help.
</source>
        <translation>ファイルと --page は --class と一緒に使います。--help を見てください。
</translation>
    </message>
    <message>
        <source>en_US</source>
        <extracomment>the locale whose names of days and months the page&apos;s date uses</extracomment>
        <translation>ja_JP</translation>
    </message>
    <message>
        <source>dddd, MMMM d, yyyy</source>
        <extracomment>the page&apos;s date, in the form of QDate::toString (dddd: the day&apos;s name)</extracomment>
        <translation>yyyy年M月d日（ddd）</translation>
    </message>
    <message>
        <source>files</source>
        <extracomment>the name of the command line&apos;s files in its help</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>No display to show a window on: DISPLAY and WAYLAND_DISPLAY are not set.
</source>
        <extracomment>on standard error, when the program is started where no window can be shown</extracomment>
        <translation>画面を表示するディスプレイがありません：DISPLAY も WAYLAND_DISPLAY も設定されていません。
</translation>
    </message>
</context>
<context>
    <name>take_away::TakeAwayMenu</name>
    <message>
        <source>Right-click, or press Shift+F10:</source>
        <translation>右クリック（または Shift+F10）で次の操作ができます：</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>印刷...</translation>
    </message>
    <message>
        <source>Save page as PDF...</source>
        <translation>ページをPDFで保存...</translation>
    </message>
</context>
<context>
    <name>widgets::SecondaryWindow</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
