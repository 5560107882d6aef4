-- Everything in the demo city that is not the line network: settings, weather,
-- charge points, IC cards, notices, shops, a demo account and the operator's
-- answered questions.
BEGIN;
INSERT INTO setting VALUES('city', '银川');
INSERT INTO setting VALUES('latest_version', '1');
INSERT INTO setting VALUES('latest_version_note', '新版本支持实时公交到站提醒。');
INSERT INTO setting VALUES('force_update', 'false');

INSERT INTO weather VALUES(0, '晴 -8℃~4℃ 西北风3级', 'sun.png');
INSERT INTO weather VALUES(1, '多云 -6℃~5℃ 微风', 'cloudy.png');
INSERT INTO weather VALUES(2, '阴 -5℃~2℃ 东北风2级', 'overcast.png');
INSERT INTO weather VALUES(3, '小雪 -9℃~-1℃ 北风4级', 'snow.png');
INSERT INTO weather VALUES(4, '晴转多云 -7℃~3℃ 西风2级', 'cloudy.png');
INSERT INTO weather VALUES(5, '晴 -10℃~1℃ 北风3级', 'sun.png');
INSERT INTO weather VALUES(6, '雨夹雪 -3℃~3℃ 东风2级', 'rain.png');

INSERT INTO charge_area VALUES('兴庆区', 0);
INSERT INTO charge_area VALUES('金凤区', 1);
INSERT INTO charge_area VALUES('西夏区', 2);
INSERT INTO charge_area VALUES('永宁县', 3);
INSERT INTO charge_area VALUES('贺兰县', 4);
INSERT INTO charge_point VALUES('兴庆区', 0, '公交东门营业厅', '兴庆区凤凰街138号', 38.4402, 106.2355);
INSERT INTO charge_point VALUES('兴庆区', 1, '中山公园服务点', '兴庆区北京路150号', 38.4456, 106.2421);
INSERT INTO charge_point VALUES('兴庆区', 2, '光明广场便利店', '兴庆区上海路154号', 38.4510, 106.2425);
INSERT INTO charge_point VALUES('兴庆区', 3, '博物馆邮政所', '兴庆区解放街138号', 38.4564, 106.2352);
INSERT INTO charge_point VALUES('兴庆区', 4, '丽子园社区服务站', '兴庆区凤凰街154号', 38.4401, 106.2420);
INSERT INTO charge_point VALUES('金凤区', 0, '鼓楼营业厅', '金凤区上海路90号', 38.4509, 106.2147);
INSERT INTO charge_point VALUES('金凤区', 1, '万达广场服务台', '金凤区文化街90号', 38.4671, 106.2146);
INSERT INTO charge_point VALUES('金凤区', 2, '会展中心便利店', '金凤区文化街122号', 38.4672, 106.2284);
INSERT INTO charge_point VALUES('金凤区', 3, '人民医院门口报亭', '金凤区北京路90号', 38.4455, 106.2143);
INSERT INTO charge_point VALUES('西夏区', 0, '火车站营业厅', '西夏区新华街44号', 38.4620, 106.1943);
INSERT INTO charge_point VALUES('西夏区', 1, '宁夏大学校园卡中心', '西夏区凤凰街26号', 38.4401, 106.1870);
INSERT INTO charge_point VALUES('西夏区', 2, '怀远市场服务点', '西夏区上海路42号', 38.4509, 106.1939);
INSERT INTO charge_point VALUES('永宁县', 0, '永宁汽车站服务点', '永宁县杨和街1号', 38.2790, 106.2530);
INSERT INTO charge_point VALUES('贺兰县', 0, '贺兰县政务大厅', '贺兰县银河路18号', 38.5540, 106.3490);

INSERT INTO card VALUES('31000001', 'amount', '普通卡');
INSERT INTO card VALUES('31000002', 'count', '月票卡');
INSERT INTO card VALUES('31000003', 'amount', '学生卡');
INSERT INTO charge_record VALUES('31000001', '2026-12-01 09:12:31', '现金充值', 0, '50', '63.5');
INSERT INTO charge_record VALUES('31000001', '2026-11-15 18:40:02', '网点充值', 0, '30', '41');
INSERT INTO charge_record VALUES('31000001', '2026-10-28 07:55:47', '现金充值', 0, '100', '112.5');
INSERT INTO charge_record VALUES('31000001', '2026-09-30 12:03:11', '自助充值', 0, '20', '24');
INSERT INTO charge_record VALUES('31000002', '2026-12-01 08:01:00', '月票充值', 60, '60', '0');
INSERT INTO charge_record VALUES('31000002', '2026-11-01 08:15:42', '月票充值', 60, '60', '0');
INSERT INTO charge_record VALUES('31000002', '2026-10-01 09:30:05', '月票充值', 40, '40', '0');
INSERT INTO charge_record VALUES('31000003', '2026-11-20 16:20:00', '学生卡充值', 0, '20', '27.2');
INSERT INTO consumer_record VALUES('31000001', '2026-12-10 18:02:11', '1', 0, '1', 0, '61.5', '宁A·01023');
INSERT INTO consumer_record VALUES('31000001', '2026-12-10 08:14:56', 'K1', 0, '1', 0, '62.5', '宁A·K1007');
INSERT INTO consumer_record VALUES('31000001', '2026-12-09 17:45:30', '游1', 0, '2', 0, '63.5', '宁A·Y1002');
INSERT INTO consumer_record VALUES('31000001', '2026-12-08 07:58:02', '3', 0, '1', 0, '65.5', '宁A·03011');
INSERT INTO consumer_record VALUES('31000002', '2026-12-10 17:31:20', '2', 1, '0', 53, '0', '宁A·02005');
INSERT INTO consumer_record VALUES('31000002', '2026-12-10 07:50:44', '2', 1, '0', 54, '0', '宁A·02011');
INSERT INTO consumer_record VALUES('31000002', '2026-12-09 18:05:09', '101', 1, '0', 55, '0', '宁A·10103');
INSERT INTO consumer_record VALUES('31000002', '2026-12-09 07:49:12', 'BRT1', 1, '0', 56, '0', '宁A·B1021');
INSERT INTO consumer_record VALUES('31000003', '2026-12-10 12:10:40', '12', 0, '0.5', 0, '26.7', '宁A·12004');

INSERT INTO notice VALUES('bus', '2026-12-10 16:00:00', '关于1路、5路临时改道的通告',
 '<p>因鼓楼街道路维修，自<b>2026年12月12日</b>起，1路、5路公交车双向临时绕行上海路，暂停“鼓楼北”站。</p><p>恢复时间另行通知，给您带来不便，敬请谅解。</p>');
INSERT INTO notice VALUES('bus', '2026-12-08 09:30:00', 'BRT1线路冬季运营时间调整',
 '<p>自12月起，BRT1首班车时间调整为<b>06:00</b>，末班车时间调整为<b>22:30</b>，高峰时段发车间隔6分钟。</p>');
INSERT INTO notice VALUES('bus', '2026-12-05 08:00:00', '游1、游2旅游专线冬季运营安排',
 '<p>冬季期间游1、游2每30分钟一班，运营时间为08:00至18:00。</p><p>西夏陵、镇北堡景区凭公交IC卡购票可享九折。</p>');
INSERT INTO notice VALUES('bus', '2026-12-01 10:00:00', '新开K3快线的通告',
 '<p>K3快线自火车站西广场发车，经阅海湾、宝湖公园、体育馆，终点动物园，大站停靠。</p><p>票价2元，IC卡八折。</p>');
INSERT INTO notice VALUES('bus', '2026-11-25 15:20:00', '西夏区环线增设站点',
 '<p>西夏区环线自11月28日起增设“第一中学”站，方便学生出行。</p>');
INSERT INTO notice VALUES('bus', '2026-11-18 11:00:00', '雪天出行安全提示',
 '<p>雪天路滑，公交车将适当降低车速，请乘客提前出门，上下车注意安全。</p>');
INSERT INTO notice VALUES('bus', '2026-11-10 09:00:00', '林场专线恢复运营',
 '<p>林场专线道路维修完毕，自11月12日起恢复运营，每30分钟一班。</p>');
INSERT INTO notice VALUES('lost', '2026-12-10 19:20:00', '1路车上拾到黑色钱包一个',
 '<p>12月10日晚，1路公交车（宁A·01023）驾驶员在车上拾到黑色钱包一个，内有身份证及现金若干。</p><p>请失主携带有效证件到公交东门营业厅认领，电话 0951-5012345。</p>');
INSERT INTO notice VALUES('lost', '2026-12-09 08:45:00', '寻找遗失的蓝色书包',
 '<p>本人于12月8日下午乘坐K1路时遗失蓝色书包一个，内有课本和学生证，有拾到者请联系 138-0951-0001，必有酬谢。</p>');
INSERT INTO notice VALUES('lost', '2026-12-06 14:10:00', 'BRT1站台拾到手机一部',
 '<p>高铁站BRT1站台工作人员拾到白色手机一部，请失主到高铁站出发层服务台认领。</p>');
INSERT INTO notice VALUES('lost', '2026-12-02 17:30:00', '101路拾到雨伞两把',
 '<p>101路环行公交车上拾到雨伞两把，现存放于鼓楼营业厅。</p>');
INSERT INTO notice VALUES('lost', '2026-11-28 12:00:00', '寻找遗失的公交IC卡',
 '<p>卡号31000007的公交IC卡于11月27日遗失，卡内有月票，已挂失，拾到者请交至任一营业厅。</p>');
INSERT INTO notice VALUES('system', '2026-12-11 07:00:00', 'Tansu 1.0 正式上线',
 '<p>欢迎使用Tansu城市公交客户端！</p><p>您可以查询车辆实时位置、换乘方案、线路和站点，还可以扫描站牌上的二维码。</p>');
INSERT INTO notice VALUES('system', '2026-12-03 10:00:00', '服务器维护通知',
 '<p>12月13日凌晨02:00至04:00进行服务器维护，期间实时公交查询可能无法使用。</p>');
INSERT INTO notice VALUES('system', '2026-11-30 09:00:00', '注册用户可收藏商家',
 '<p>登录后可以在商家页面点击收藏按钮，在“收藏夹”中随时查看。</p>');
INSERT INTO notice VALUES('system', '2026-11-20 09:00:00', '隐私说明',
 '<p>本客户端仅在您查询附近站点时使用位置信息，不会保存您的行程记录。</p>');

-- Shops of the picture wall, page by page. Codes from the scanner, the wall
-- and the search are the same twelve characters.
INSERT INTO shop VALUES('00S010000001', '鼓楼手抓羊肉', '美食', '美食', 0, '鼓楼手抓', 'shop01.png', '羊肉 清真 鼓楼 手抓',
 38.4512, 106.2150, 'M1001', 'restaurant.bas', '0951-6011001', '金凤区上海路88号', 'shouzhua@tansu.example', 'www.tansu.example/shouzhua',
 '百年老店，精选盐池滩羊，现煮现卖。');
INSERT INTO shop VALUES('00S010000002', '老毛烩小吃', '美食', '美食', 1, '老毛烩小吃', 'shop02.png', '小吃 烩小吃 人民广场',
 38.4564, 106.2152, 'M1002', 'restaurant.bas', '0951-6011002', '金凤区解放街92号', 'laomao@tansu.example', 'www.tansu.example/laomao',
 '地道银川烩小吃，粉汤饺子、羊杂碎。');
INSERT INTO shop VALUES('00S010000003', '火车站兰州拉面', '美食', '美食', 2, '兰州拉面', 'shop03.png', '拉面 面馆 火车站',
 38.4621, 106.1940, 'M1003', 'restaurant.bas', '0951-6011003', '西夏区新华街46号', 'lamian@tansu.example', 'www.tansu.example/lamian',
 '一清二白三红四绿五黄，二十四小时营业。');
INSERT INTO shop VALUES('00S010000004', '宝湖鱼庄', '美食', '美食', 3, '宝湖鱼庄', 'shop04.png', '鱼 黄河鲤鱼 宝湖公园',
 38.4618, 106.2215, 'M1004', 'restaurant.bas', '0951-6011004', '金凤区新华街104号', 'yuzhuang@tansu.example', 'www.tansu.example/yuzhuang',
 '黄河鲤鱼、大盘鸡，湖景包间。');
INSERT INTO shop VALUES('00S010000005', '新华百货', '购物', '购物', 0, '新华百货', 'shop05.png', '百货 商场 新华百货',
 38.4510, 106.2077, 'M2001', 'store.bas', '0951-6022001', '金凤区上海路74号', 'xinhua@tansu.example', 'www.tansu.example/xinhua',
 '本地最大的百货商场，年终全场满200减30。');
INSERT INTO shop VALUES('00S010000006', '万达广场', '购物', '购物', 1, '万达广场', 'shop06.png', '商场 影院 万达',
 38.4671, 106.2147, 'M2002', 'store.bas', '0951-6022002', '金凤区文化街90号', 'wanda@tansu.example', 'www.tansu.example/wanda',
 '购物、餐饮、影院一站式体验。');
INSERT INTO shop VALUES('00S010000007', '步行街书城', '购物', '购物', 2, '步行街书城', 'shop07.png', '书店 图书 步行街',
 38.4508, 106.2281, 'M2003', 'store.bas', '0951-6022003', '金凤区上海路122号', 'books@tansu.example', 'www.tansu.example/books',
 '四层书城，会员日全场八五折。');
INSERT INTO shop VALUES('00S010000008', '怀远市场特产店', '购物', '购物', 3, '宁夏特产', 'shop08.png', '枸杞 特产 怀远市场',
 38.4509, 106.1936, 'M2004', 'store.bas', '0951-6022004', '西夏区上海路42号', 'techan@tansu.example', 'www.tansu.example/techan',
 '中宁枸杞、贺兰山葡萄酒、滩羊肉。');
INSERT INTO shop VALUES('00S010000009', '宝湖公园游船', '休闲', '休闲', 0, '宝湖游船', 'shop09.png', '游船 公园 宝湖公园',
 38.4618, 106.2214, 'M3001', 'leisure.bas', '0951-6033001', '金凤区宝湖公园南门', 'youchuan@tansu.example', 'www.tansu.example/youchuan',
 '冬季开放冰上乐园，持公交IC卡门票九折。');
INSERT INTO shop VALUES('00S010000010', '大剧院', '休闲', '休闲', 1, '大剧院', 'shop10.png', '剧院 演出 大剧院',
 38.4725, 106.2215, 'M3002', 'leisure.bas', '0951-6033002', '金凤区长城路106号', 'juyuan@tansu.example', 'www.tansu.example/juyuan',
 '本月上演：花儿音乐会、秦腔专场。');
INSERT INTO shop VALUES('00S010000011', '植物园温室', '休闲', '休闲', 2, '植物园温室', 'shop11.png', '植物园 温室 花卉',
 38.4670, 106.1870, 'M3003', 'leisure.bas', '0951-6033003', '西夏区文化街26号', 'zhiwu@tansu.example', 'www.tansu.example/zhiwu',
 '热带雨林温室常年开放，冬季也能看花。');
INSERT INTO shop VALUES('00S020000001', '公交IC卡年终优惠', '活动', '休闲', 3, '年终优惠', 'shop12.png', '优惠 IC卡 活动 公交',
 38.4402, 106.2355, 'M9001', 'promotion.bas', '0951-5012345', '兴庆区凤凰街138号', 'bus@tansu.example', 'www.tansu.example/bus',
 '12月充值满100元送10元，限前1000名。');

-- The demo account: demo / 123456 (the password is stored as its MD5).
INSERT INTO account VALUES('U000001', 'demo', 'e10adc3949ba59abbe56e057f20f883e', 'demo@tansu.example', '', '2026-11-01 10:00:00');
INSERT INTO favorite VALUES('U000001', '00S010000001', '2026-12-01 12:00:00');
INSERT INTO favorite VALUES('U000001', '00S010000004', '2026-12-03 18:30:00');
INSERT INTO favorite VALUES('U000001', '00S010000005', '2026-12-05 10:15:00');
INSERT INTO favorite VALUES('U000001', '00S010000010', '2026-12-07 20:00:00');

INSERT INTO question VALUES('服务管理', '李先生', '13809510002', '男', '1路司机服务态度很好，想表扬一下。', '感谢您的表扬，我们已转达车队。', '2026-12-02 10:00:00');
INSERT INTO question VALUES('线网管理', '王女士', '13809510003', '女', '能否开通高铁站到西夏陵的直达线路？', '已列入明年线网调整计划，请关注公告。', '2026-11-28 15:30:00');
INSERT INTO question VALUES('票务管理(IC卡)', '张同学', '13809510004', '男', '学生卡在哪里办理？', '请携带学生证到任一公交营业厅办理。', '2026-11-20 09:12:00');
INSERT INTO question VALUES('车辆管理', '赵先生', '13809510005', '男', 'K1路车内暖气不足。', '已安排检修车辆暖气系统。', '2026-12-06 08:40:00');
INSERT INTO question VALUES('营运管理', '刘女士', '13809510006', '女', '101路晚高峰等车时间太长。', '晚高峰已加密至8分钟一班。', '2026-12-08 19:05:00');
INSERT INTO question VALUES('公交场站', '陈先生', '13809510007', '男', '火车站西广场站台缺少候车座椅。', '座椅将于本月底前安装完毕。', '2026-12-09 11:20:00');
INSERT INTO question VALUES('安全管理', '孙女士', '13809510008', '女', '雪天公交车是否安装防滑链？', '所有车辆均已更换冬季轮胎。', '2026-11-19 07:50:00');
INSERT INTO question VALUES('电子设备管理(信息化)', '周先生', '13809510009', '男', '站牌二维码扫不出来。', '已更换“宁夏大学”站的二维码站牌。', '2026-12-04 13:10:00');
COMMIT;
