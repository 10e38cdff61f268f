#!/usr/bin/env bash
# Writes the web site's three text files in code page 936 (GBK) with CRLF line ends.
# The texts are kept here in UTF-8; the outputs are committed beside this script.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)

gbk() {  # output file; UTF-8 text on stdin
    local text
    text=$(sed 's/$/\r/') || return
    printf '%s\n' "$text" | iconv -f UTF-8 -t GBK >"$out/$1.tmp"
    mv "$out/$1.tmp" "$out/$1"
}

# Software information: only the seven marked fields are read; the rest is for people.
gbk rjxx.txt <<'TEXT'
Lumbra 软件信息
==============================
本文件由 Lumbra 启动时自动读取，修改时请保留每项两侧的标记。
更新日期：2026-12-08

【最新版本】
sdjasd（1.1）akxsds

【软件公告】
第一条：xksdfs（公告：Lumbra 1.1 已发布，活动列表加载更快！）ksdjsd
第二条：xksdxs（公告：Kiwo年终盛典已上线，详见最新活动页）xnhsmd
第三条：dqwknd（公告：双击活动标题即可打开活动页面）oosdka
第四条：fjshds（公告：最小化后盒子会隐藏到右下角托盘）scksao
第五条：pwejks（公告：欢迎站长申请友情链接，请联系官方客服）sksjhx
第六条：xaskno（公告：活动奖励以Kiwo官方页面说明为准）dwqhbs

如有问题请联系官方客服^Aven，感谢您的支持！
TEXT

# Activity lists, one activity per line: title<hdbtbby>time<hdsjbby>address<hddzbby>
gbk zxhd.txt <<'TEXT'
Kiwo年终盛典 签到7天领专属头像挂件<hdbtbby>2026-12-12<hdsjbby>http://act.kiwo.example/2026/nianzhong-qiandao.html<hddzbby>
冬日暖心季 好友互赠礼物得双倍成长值<hdbtbby>2026-12-11<hdsjbby>http://act.kiwo.example/2026/dongri-zengli.html<hddzbby>
Kiwo会员12月福利 开通即送三个月空间装扮<hdbtbby>2026-12-10<hdsjbby>http://act.kiwo.example/2026/vip-december.html<hddzbby>
圣诞限定聊天气泡 聊天满100条免费点亮<hdbtbby>2026-12-09<hdsjbby>http://act.kiwo.example/2026/christmas-bubble.html<hddzbby>
Kiwo音乐 每日听歌打卡抽取蓝牙耳机<hdbtbby>2026-12-08<hdsjbby>http://act.kiwo.example/2026/music-daka.html<hddzbby>
手机Kiwo新版体验官招募 反馈建议赢积分<hdbtbby>2026-12-08<hdsjbby>http://act.kiwo.example/2026/tiyanguan.html<hddzbby>
Kiwo群主成长计划 活跃群可领专属群徽章<hdbtbby>2026-12-07<hdsjbby>http://act.kiwo.example/2026/qunzhu-chengzhang.html<hddzbby>
寒假预热 学生认证领七天超级会员<hdbtbby>2026-12-06<hdsjbby>http://act.kiwo.example/2026/hanjia-xuesheng.html<hddzbby>
Kiwo游戏中心冬季赛 报名即送限定皮肤<hdbtbby>2026-12-05<hdsjbby>http://act.kiwo.example/2026/game-winter-cup.html<hddzbby>
点亮冰雪图标 连续登录15天即可获得<hdbtbby>2026-12-04<hdsjbby>http://act.kiwo.example/2026/bingxue-tubiao.html<hddzbby>
Kiwo钱包新用户礼 首次绑卡领5元话费券<hdbtbby>2026-12-03<hdsjbby>http://act.kiwo.example/2026/wallet-newuser.html<hddzbby>
空间相册扩容 上传照片领免费存储容量<hdbtbby>2026-12-02<hdsjbby>http://act.kiwo.example/2026/album-kuorong.html<hddzbby>
TEXT

gbk rmhd.txt <<'TEXT'
Kiwo十周年庆 登录领取纪念版头像框<hdbtbby>2026-11-28<hdsjbby>http://act.kiwo.example/2026/shizhounian.html<hddzbby>
超级会员年费八折 限时抢购进行中<hdbtbby>2026-11-26<hdsjbby>http://act.kiwo.example/2026/svip-bazhe.html<hddzbby>
邀请好友注册Kiwo 双方各得30天黄钻<hdbtbby>2026-11-25<hdsjbby>http://act.kiwo.example/2026/yaoqing-haoyou.html<hddzbby>
Kiwo秀冬装上新 全场装扮五折<hdbtbby>2026-11-23<hdsjbby>http://act.kiwo.example/2026/kiwoshow-dongzhuang.html<hddzbby>
每日答题挑战 答对十题抽取周边礼包<hdbtbby>2026-11-21<hdsjbby>http://act.kiwo.example/2026/meiri-dati.html<hddzbby>
Kiwo宠物 领养萌宠送一周口粮<hdbtbby>2026-11-20<hdsjbby>http://act.kiwo.example/2026/pet-lingyang.html<hddzbby>
双十二预告 Kiwo商城满100减20<hdbtbby>2026-11-18<hdsjbby>http://act.kiwo.example/2026/shop-1212.html<hddzbby>
原创表情大赛 投稿赢取丰厚奖品<hdbtbby>2026-11-16<hdsjbby>http://act.kiwo.example/2026/biaoqing-dasai.html<hddzbby>
Kiwo阅读 新用户免费畅读30天<hdbtbby>2026-11-15<hdsjbby>http://act.kiwo.example/2026/read-newuser.html<hddzbby>
群聊红包雨 每晚八点准时开抢<hdbtbby>2026-11-12<hdsjbby>http://act.kiwo.example/2026/hongbaoyu.html<hddzbby>
Kiwo邮箱 绑定安全手机送等级加速<hdbtbby>2026-11-10<hdsjbby>http://act.kiwo.example/2026/mail-anquan.html<hddzbby>
手机Kiwo看直播 观看满1小时领礼物<hdbtbby>2026-11-08<hdsjbby>http://act.kiwo.example/2026/live-liwu.html<hddzbby>
TEXT
