// The page's words in Chinese, Simplified (the fields of en.js).
import { listOf, numberOf } from '../grammar.js';

// Lists and numbers as the platform writes them for Chinese ("东家、南家和西家"
// "1,200"); a noun takes no plural, and a count stands against its
// measure word with no space: "12张", "3副".
const TAG = 'zh';
const list = (items) => listOf(TAG, items);
const num = (count) => numberOf(TAG, count);
// zh: a seat is 北家, its letter 北, as Chinese bridge writes them.
const seats = ['北家', '东家', '南家', '西家'];
const ranks = ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
// zh: 红心 and 方块, bridge's names; card games also say 红桃 and 方片.
const suitNames = ['黑桃', '红心', '方块', '梅花'];
const rankWords = ['小牌', 'J', 'Q', 'K', 'A'];
// "多3点", "少1张".
const off = (n, unit) => `${n > 0 ? '多' : '少'}${num(Math.abs(n))}${unit}`;
const sentence = (clauses) => `${clauses.join('；')}。`;
const boards = (count) => `${num(count)}副`;
// What a total the pack cannot have counts: "黑桃共12张".
const totals = {
  count: ['', '张'], hcp: ['', '点'], spades: ['黑桃', '张'], hearts: ['红心', '张'], diamonds: ['方块', '张'], clubs: ['梅花', '张'],
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', '请把每家的牌按逆时针方向移一格。', '请对调北家和南家的牌，以及东家和西家的牌。', '请把每家的牌按顺时针方向移一格。'];

export default {
  tag: 'zh',
  grammarTag: TAG,
  // Full-width stops need no space after them.
  sentenceGap: '',
  seats,
  // zh: the seats as Chinese diagrams letter them, N E S W: a symbol is one byte, so 北 东 南 西 cannot be one.
  handLetters: 'NESW',
  seatLetters: ['北', '东', '南', '西'],
  noHand: '无人',
  ranks,
  rankNames: ranks,
  suitNames,
  cardName: (rank, suit) => `${suit}${rank}`,
  vulnerabilities: { None: '双方无局', NS: '南北有局', EW: '东西有局', All: '双方有局' },

  // zh: a board is 第7副; the duplicate board that holds it is the 牌套.
  board: (number) => `第${number}副`,
  boardRef: (number) => `第${number}副`,
  deal: (index) => `第${index}个牌局`,
  dealer: (seat) => `${seat}发牌`,
  vul: (vulnerability) => vulnerability,
  copy: (copy, copies) => `第${copy}套，共${copies}套`,
  boardCopy: (label, copy) => `${label}，第${copy}套`,
  place: (position, length) => `(${position}/${length})`,
  boards,
  cards: (count) => `${num(count)}张`,
  hcp: (points) => `${points}大牌点`,

  doneWord: '完成',
  // zh: 两, not 二, counts cards.
  numbers: ['零', '一', '两', '三', '四', '五', '六', '七', '八', '九', '十', '十一', '十二', '十三'],
  runSpoken(name, count) { return `${name}，${this.numbers[count]}张`; },

  firstCard: '空格、回车或轻触：第一张牌',
  done: (label) => `${label}完成`,
  nextPack: '放入牌套；整理下一副牌。',
  allDealt: (count) => (count === 1 ? '这副牌已发完。' : `全部${boards(count)}牌已发完。`),
  lastRead: '最后读到的一副',
  resumed: (label) => `从${label}继续`,
  goingTo: (digits) => `第${digits}副 ↵`,
  noBoard: (number) => `本场没有第${number}副。`,

  reading: (name, count) => (count === 0 ? `正在读取 ${name}\u2026` : `正在读取 ${name}：已读${boards(count)}\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `已读完：共${boards(count)}。`,
  stoppedAfter: (label, quoted) => `读到${label}后停止：${quoted}`,
  noDeal: (quoted) => `没有读到任何牌局：${quoted}`,
  broken: (name, message) => `页面无法读取 ${name}：${message}`,
  warningBefore: (quoted) => `第一副之前：${quoted}`,
  warningAfter: (label, quoted) => `${label}之后：${quoted}`,
  warningBetween: (before, after, quoted) => `${before}与${after}之间：${quoted}`,
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // zh: 无将, as Chinese contracts are written (3无将), by the Chinese Contract
  // Bridge Association as in the Chinese Wikipedia's bridge articles; double
  // dummy is 双明手, the declarer 庄家, par 最优定约.
  noTrump: '无将',
  sides: ['南北', '东西'],
  ddTableLabel: '双明手分析：各家做庄时每种花色及无将的赢墩数',
  // "北家主打5♦加倍，−2".
  parContract: ({
    contract, doubled, by, result,
  }) => `${by}主打${contract}${doubled ? '加倍' : ''}${result === '' ? '' : `，${result}`}`,
  par: (side, score, contracts) => `最优定约：${side} ${score === 0 ? '0' : `+${score}`}，${contracts}`,
  passedOut: '最优定约：四家都不叫，0分',
  analysing: (done, total) => `双明手分析：已完成${boards(done)}，共${boards(total)}`,
  analysed: (total) => (total === 1 ? '双明手分析：已完成' : `双明手分析：全部${boards(total)}已完成`),
  analysisToCome: '这副牌的分析正在进行。',
  notADeal: (label) => `${label}不是有效的桥牌牌局，无法分析。`,
  solverFailed: (message) => `无法分析这副牌：${message}`,
  exportPbn: '保存PBN文件供计分使用',
  exportName: (stem) => `${stem} 牌例记录`,
  // What the core's message means for the file: where is 第一个牌局 or
  // 第2副之后的牌局.
  firstDeal: '第一个牌局',
  dealAfter: (ref) => `${ref}之后的牌局`,
  meanings: {
    cards: ({ where, count }) => `${where}在文件中有${num(count)}张牌：文件被截断或已损坏。`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where}不是以N、E、S或W开头：文件已损坏。`,
    notBridge: ({ label }) => `${label}有牌不属于任何一家，或有一家不是13张：请勿按此文件发这副牌。`,
    noDocument: () => '这不是DLM文件：缺少[Document]行。',
    boardNumber: ({ where }) => `${where}在文件中没有有效的副号。`,
    noDeals: () => '文件中没有任何牌局：是否选错了文件？',
    unreadable: () => '文件未能读到结尾。',
    garbled: ({ where }) => `${where}在文件中写法有误：文件已损坏。`,
  },
  endDone: '完成',
  endStopped: '已停止',
  endMarkDone: '已读完',
  endMarkStopped: '因数据有误而停止',

  noFrom: (number) => `此文件中没有第${number}副：从第一副开始发牌。`,
  noTo: (number, after) => `第${after}副之后没有第${number}副：发到最后一副。`,
  copiesClamped: (most) => `最多${most}套：发${most}套。`,
  printTooMany: (most, count) => `请先选择起始副号和结束副号：一次最多打印${most}副，无法打印全部${boards(count)}。`,
  printCut: (most, count) => `${boards(count)}中的前${most}副：一次最多打印${most}副。选择起始副号和结束副号可打印其余各副。`,
  checkTitle: (label) => `${label}：核对`,
  checkHow: '请数出每一格的张数和点数（A\u00a04，K\u00a03，Q\u00a02，J\u00a01）。',
  checkExactHow: (seat) => `请轻触在${seat}那一格里找到的每张牌。`,
  checkStates: {
    unchecked: '未核对', ok: '已核对：正确', agree: '已核对：计数相符', fault: '已核对：有误',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}：${[`${boards(ok)}正确`, ...(agree > 0 ? [`${boards(agree)}计数相符`] : []),
    `${boards(fault)}有误`, `${boards(unchecked)}未核对`].join('，')}`,
  // zh: 等 ("and others") where English cuts the list with an ellipsis.
  // zh: the ideographic full stop, with no space after it.
  summaryThen: '\u3002',
  notChecked: (labels, more) => `未核对：${labels.join('、')}${more ? '等' : ''}。`,
  faulty: (labels, more) => `有误：${labels.join('、')}${more ? '等' : ''}。`,
  emptyPocket: '空',

  firstSort: '将整副牌按花色排好：黑桃、红心、方块、梅花，每种花色从A排到2，牌面朝下拿着，黑桃A在最上面。'
    + '你每从上面取一张牌，页面就说出它该发给哪一家。',
  firstSymbols: (letters) => `${list(letters)}分别代表北家、东家、南家和西家：即输出文件中各家的字母。`,
  firstSymbolsUnset: '设置中的符号就是输出文件中代表各家的字母。',
  // zh: 主屏幕, as an iPhone names it.
  homeScreen: '请将此页面添加到主屏幕：否则 Safari 可能在一周后清除保存的文件。',
  kept: '此文件和你的进度保存在本设备上。',
  notKept: '此浏览器不保存任何内容：重新加载将从头开始。',

  symbolsBytes: '每个符号是一个字节：请使用普通字母或数字。',
  symbolsMissing: (names) => `${list(names)}没有符号。`,
  symbolsShared: (a, b, symbol) => `${a}和${b}共用\u201c${symbol}\u201d。`,
  symbolsQuestion: '\u201c?\u201d也表示不属于任何一家的牌。',
  symbolsStill: '底色、边条和名称仍能区分各家。',

  title: 'Pipsweep：按整理好的牌序发牌的指引',
  settingsHint: '设置',
  setupLabel: '牌局文件与设置',
  privateNote: '选择一个牌局文件：页面逐张告诉你，整理好的一副牌中每张牌该发给哪一家。文件在此浏览器中读取，不会发送到任何地方。',
  offlineReady: '可离线使用：此页面无需网络即可在此打开并发牌。',
  dealFile: '牌局文件（.pbn .dup .bri .dlm .csv .dge）',
  dropHint: '或将文件拖放到页面上',
  example: '打开示例',
  newDeals: '新牌局',
  newDealsHow: '每副牌完全随机，来自本设备的加密随机源：不设定牌型，也不做筛选。',
  newBoards: '副数',
  newFirst: '首副编号',
  makeDeals: '生成牌局',
  noCrypto: '此浏览器没有加密随机源，因此不生成牌局：来自较弱随机源的牌局可能被预测。',
  newRange: (most) => `1至${most}副，首副编号不小于1。`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || '新牌局'} ${date}`,
  fingerprint: (print) => `指纹 ${print}`,
  fingerprintLabel: (print) => `这组牌局的指纹：${print}`,
  // date: "2026年12月8日".
  dealtBefore: (date) => `这组牌局的每一副都已于${date}在本设备上发过。要再发一次吗？`,
  dealtAgain: '再发一次',
  dealtOther: '另选文件',
  symbolsLabel: '北、东、南、西的符号',
  sessionLegend: '本场',
  fromBoard: '起始副号',
  toBoard: '结束副号',
  copiesLabel: '套数',
  copyOrder: '各套的顺序',
  copyOrderBoard: '每副牌的各套连着发',
  copyOrderSet: '整个范围每套发一遍',
  packLabel: '牌序',
  packSorted: '正序：黑桃A在最前',
  packReversed: '翻转：梅花2在最前',
  showHands: '显示四家牌（H）',
  blindLabel: '盲发：只显示牌和方向',
  runsLabel: '连张：连续发给同一家的牌算一步',
  printLegend: '打印本场的牌',
  printWhat: '内容',
  printGrids: '发牌表',
  printHands: '牌例记录',
  printCurtain: '单家牌卡',
  eventLabel: '比赛',
  dateLabel: '日期',
  printButton: '打印',
  cuesLegend: '每张牌的提示',
  speakLabel: '朗读方位',
  tonesLabel: '提示音（北家高、南家低，东家和西家居中，偏向各自一侧）',
  languageLabel: '语言',
  download: '下载 _pipsweep.txt',
  consoleLabel: '控制台',
  dealingLabel: '发牌',
  boardsNav: '牌号',
  previousBoard: '上一副',
  nextBoard: '下一副',
  boardHead: '第',
  boardTail: '副',
  gridLabel: '发牌表：每张牌所属的一家；点击可选中一张牌',
  handsLabel: '四家的牌',
  keysHelp: '下一张：空格、回车、\u2192、踏板或点击。后退：退格或 \u2190。换副：N、P、Home、End，或输入副号后回车。'
    + '核对：C。各格顶牌：T。',
  touchHelp: '下一张：轻触任意处。按住格子：该张牌。换副：左右滑动。',
  boardLineLabel: '本副的发牌行',
  packTop: '顶部',
  packBottom: '底部',
  pocketTopsLabel: '每一格最上面的牌',
  checkButton: '核对（C）',
  checkCards: '张数',
  checkPoints: '点数',
  checkSeatLabel: '方位',
  checkExact: '逐张核对',
  checkVerify: '核对',
  checkSuitsLabel: '同时核对各花色张数',
  redeal: '重新发牌',
  topsButton: '顶牌（T）',
  checkGridLabel: '这一格里找到的牌',

  // zh: a pocket of the 牌套 is a 格. The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠K"), lists as Chinese joins them.
  check: {
    // What the blind check judged by: "张数和点数都相符。"
    judged: { count: '张数', hcp: '点数', suits: '各花色张数' },
    incomplete: (names) => `请像其他格一样填写${names}。`,
    incompleteAll: '请先数好每一格的张数。',
    recount: ({
      counted: total, expected, field, names,
    }) => {
      const [suit, unit] = totals[field];
      return `${suit}共${num(total)}${unit}，应为${num(expected)}${unit}：请重数${names}。`;
    },
    recountSuits: (names) => `${names}的各花色张数加起来不等于总张数：请重数。`,
    agree: (judged) => `${judged}都相符。`,
    alike: (a, b) => `${seats[a]}和${seats[b]}的牌计数相同：两家对调也看不出来。`,
    proveIt: '要确认无误，请逐张核对三格的牌。',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket}有14张，${owner}12张：${owner}的一张牌在${pocket}那一格里。`;
      const counts = points === 0 ? `${pocket}有14张，${owner}12张，点数无误`
        : `${pocket}有14张、${off(points, '点')}，${owner}12张、少${points}点`;
      return `${counts}：${owner}的一张${rankWords[points]}在${pocket}那一格里。`;
    },
    movedSuit: ({ from, to, suit }) => `${seats[from]}的一张${suitNames[suit]}在${seats[to]}那一格里。`,
    movedCard: ({ from, to, card }) => `${seats[from]}的${card}在${seats[to]}那一格里：请放回${seats[from]}。`,
    turned: ({ by }) => `牌套转了方向：北家的牌在${seats[by]}那一格里。${turnBack[by]}`,
    exchanged: (a, b) => `${seats[a]}和${seats[b]}的牌对调了`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => `${seats[seat]}的牌在${seats[cycle[(i + 1) % cycle.length]]}那一格里`).join('，'),
    swapped: (parts, pairs) => `${parts.join('；')}：${pairs ? '请对调这两格' : '请把每家的牌放回自己的格里'}。`,
    swappedPairs: (parts) => `${parts.join('，')}：请两两对调各格。`,
    mixed: '牌放错了格，但从计数看不出是哪几格。',
    other: ({ label }) => `这是${label}的牌：请重新发这副牌。`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, '张'));
      if (by.hcp) parts.push(off(by.hcp, '点'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], `张${suitNames[i]}`));
      }
      return `${seats[seat]}${parts.join('、')}`;
    })),
    tapFirst: (seat) => `请先逐张核对${seats[seat]}的牌。`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]}那一格里是自己的牌。`,
    pocketHolds: (seat, owner) => `${seats[seat]}那一格里是${seats[owner]}的牌。`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`缺${missing.join('、')}`);
      if (extra.length > 0) parts.push(`多出${extra.join('、')}`);
      return `${seats[seat]}：${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `对调${seats[a]}和${seats[b]}这两格`,
    actionHand: (pocket, seat) => `把${seats[pocket]}那一格里的牌放进${seats[seat]}那一格`,
    actionMove: (card, from, to) => `把${card}从${seats[from]}移到${seats[to]}`,
    actions: (list) => `请${sentence(list)}`,
    // ... and next.
    tapNext: (seat) => `接着请轻触${seats[seat]}的牌。`,
    proven: (label) => `${label}正确：三格都是自己的牌，第四格就是其余的牌。`,
  },
};
